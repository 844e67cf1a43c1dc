# The status poller's per-reply parse, over a fleet's worth of replies.
zentick_add_bench(bench_status_parse
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/model/bench_status_parse.cpp
    LIBS zentick_model)
