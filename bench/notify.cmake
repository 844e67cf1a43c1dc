# One report tick on a workbook of a million cells: cold, warm, GUI-thread
# stall and peak memory.
zentick_add_bench(bench_report
    SOURCES notify/bench_report.cpp
    LIBS zentick_notify)
