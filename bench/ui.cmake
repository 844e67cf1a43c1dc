# Start-up of the window with 1000 clocks (or as many as the first argument
# says): the state file, the first frame and the longest event-loop stall
# after it.
zentick_add_bench(bench_startup
    SOURCES
        ui/bench_startup.cpp
        ${CMAKE_SOURCE_DIR}/tests/persistence/StateSamples.cpp
        ${CMAKE_SOURCE_DIR}/tests/persistence/StateSamples.h
        ${CMAKE_SOURCE_DIR}/tests/support/SampleConfig.cpp
        ${CMAKE_SOURCE_DIR}/tests/support/SampleConfig.h
    LIBS zentick_ui zentick_session zentick_persistence)
target_include_directories(bench_startup PRIVATE ${CMAKE_SOURCE_DIR}/tests/persistence ${CMAKE_SOURCE_DIR}/tests/support)
# The device list page with a long list: shown, filtered, sorted, and a poll
# round of every clock arriving in batches.
zentick_add_bench(bench_devicelist
    SOURCES ui/bench_devicelist.cpp
        ${CMAKE_SOURCE_DIR}/tests/ui/StandaloneServices.cpp ${CMAKE_SOURCE_DIR}/tests/ui/StandaloneServices.h
    LIBS zentick_ui)
target_include_directories(bench_devicelist PRIVATE ${CMAKE_SOURCE_DIR}/tests/ui)
# Opening the configuration editor on a clock: until its buttons are enabled
# again and the longest event-loop stall meanwhile.
zentick_add_bench(bench_editor
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/ui/bench_editor.cpp
    LIBS zentick_ui)
# A plan of many clocks added through the add-clock dialog: the longest
# event-loop stall of the window meanwhile; bench/operations/commissioning.sh
# runs it (needs root).
zentick_add_bench(bench_commissioning_window
    SOURCES ui/bench_commissioning_window.cpp
        ${CMAKE_SOURCE_DIR}/tests/ui/StandaloneServices.cpp ${CMAKE_SOURCE_DIR}/tests/ui/StandaloneServices.h
    LIBS zentick_ui)
target_include_directories(bench_commissioning_window PRIVATE ${CMAKE_SOURCE_DIR}/tests/ui)
# "Change clocks..." on a long list: the preview and the run, and the longest
# event-loop stall in each; bench/ui/change_window.sh runs it (needs root).
zentick_add_bench(bench_change_window
    SOURCES ui/bench_change_window.cpp
        ${CMAKE_SOURCE_DIR}/tests/ui/StandaloneServices.cpp ${CMAKE_SOURCE_DIR}/tests/ui/StandaloneServices.h
    LIBS zentick_ui Qt5::Test)
target_include_directories(bench_change_window PRIVATE ${CMAKE_SOURCE_DIR}/tests/ui)
