# Clock operations against zentick-clocksim in network namespaces; run every
# scenario with bench/operations/run.sh (needs root).
zentick_add_bench(bench_operations
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/operations/bench_operations.cpp
    LIBS zentick_operations)
# A device search of a fleet, phase by phase; bench/operations/discovery.sh
# runs it for 50 and 245 clocks (needs root).
zentick_add_bench(bench_discovery
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/operations/bench_discovery.cpp
    LIBS zentick_operations)
zentick_add_bench(bench_audit
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/operations/bench_audit.cpp
    LIBS zentick_operations)
# Commissioning by address range and by plan; bench/operations/commissioning.sh
# runs it (needs root).
zentick_add_bench(bench_commissioning
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/operations/bench_commissioning.cpp
    LIBS zentick_operations zentick_persistence)
