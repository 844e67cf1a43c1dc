# Load and save of a large state file.
zentick_add_bench(bench_statefile
    SOURCES
        persistence/bench_statefile.cpp
        ${CMAKE_SOURCE_DIR}/tests/persistence/StateSamples.cpp
        ${CMAKE_SOURCE_DIR}/tests/persistence/StateSamples.h
        ${CMAKE_SOURCE_DIR}/tests/support/SampleConfig.cpp
        ${CMAKE_SOURCE_DIR}/tests/support/SampleConfig.h
    LIBS zentick_persistence)
target_include_directories(bench_statefile PRIVATE ${CMAKE_SOURCE_DIR}/tests/persistence ${CMAKE_SOURCE_DIR}/tests/support)
