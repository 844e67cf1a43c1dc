# The listener's scrape latency while board clients loop a rare clock's
# history in a large journal and a large fleet's complete list.
zentick_add_bench(bench_listener SOURCES board/bench_listener.cpp LIBS zentick_board zentick_metrics)
