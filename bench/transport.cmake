# One HTTP exchange against loopback peers that close, keep the line open with
# a length header, or keep it open without one.
zentick_add_bench(bench_http_exchange
    SOURCES
        ${CMAKE_CURRENT_SOURCE_DIR}/transport/bench_http_exchange.cpp
        ${CMAKE_SOURCE_DIR}/tests/transport/HttpPeer.cpp
        ${CMAKE_SOURCE_DIR}/tests/transport/HttpPeer.h
    LIBS zentick_transport)
target_include_directories(bench_http_exchange PRIVATE ${CMAKE_SOURCE_DIR}/tests/transport)
# The schedule's bookkeeping per poll: add, start and finish at a fleet's pace.
zentick_add_bench(bench_schedule
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/transport/bench_schedule.cpp
    LIBS zentick_transport)
