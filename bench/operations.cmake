# Clock operations against zentick-clocksim in network namespaces; run every
# scenario with bench/operations/run.sh (needs root).
zentick_add_bench(bench_operations
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/operations/bench_operations.cpp
    LIBS zentick_operations)
