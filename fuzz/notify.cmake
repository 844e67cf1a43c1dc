# The report workbook reader and the SMTP reply splitter.
zentick_add_fuzzer(fuzz_xlsx_reader
    SOURCES notify/fuzz_xlsx_reader.cpp
    LIBS zentick_notify)
zentick_add_fuzzer(fuzz_smtp_reply
    SOURCES notify/fuzz_smtp_reply.cpp
    LIBS zentick_notify)
