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

# A year of a 10 000-clock site's history: size, one clock's newest events, writing cost.
zentick_add_bench(bench_journal SOURCES persistence/bench_journal.cpp LIBS zentick_persistence)

# Refusing 16 MB address plans: time and peak resident size of the reader.
zentick_add_bench(bench_plan_import SOURCES persistence/bench_plan_import.cpp LIBS zentick_persistence)

# The save at the end of a user's flow at 10 000 clocks: the window's share and the worker's.
zentick_add_bench(bench_listsave
    SOURCES
        persistence/bench_listsave.cpp
        ${CMAKE_SOURCE_DIR}/tests/persistence/StateSamples.cpp
        ${CMAKE_SOURCE_DIR}/tests/persistence/StateSamples.h
        ${CMAKE_SOURCE_DIR}/tests/support/SampleConfig.cpp
        ${CMAKE_SOURCE_DIR}/tests/support/SampleConfig.h
    LIBS zentick_persistence)
target_include_directories(bench_listsave PRIVATE ${CMAKE_SOURCE_DIR}/tests/persistence ${CMAKE_SOURCE_DIR}/tests/support)

# A month's availability report from a year of a 10 000-clock site's history: time and peak resident size.
zentick_add_bench(bench_availability SOURCES persistence/bench_availability.cpp LIBS zentick_session)
