# The status poller's per-reply parse, over a fleet's worth of replies.
zentick_add_bench(bench_status_parse
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/model/bench_status_parse.cpp
    LIBS zentick_model)
# What deciding "quiet now" costs a scrape or a board list of 10 000 clocks
# whose groups keep weekly quiet hours.
zentick_add_bench(bench_quiet_hours
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/model/bench_quiet_hours.cpp
    LIBS zentick_model)
