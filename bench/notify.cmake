# One report tick on a workbook of a million cells: cold, warm, GUI-thread
# stall and peak memory.
zentick_add_bench(bench_report
    SOURCES notify/bench_report.cpp
    LIBS zentick_notify)

# The mail of an incident naming 3000 clocks: size and longest line.
zentick_add_bench(bench_incident_mail
    SOURCES notify/bench_incident_mail.cpp
    LIBS zentick_notify)
