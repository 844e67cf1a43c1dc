# The state-file loader and the configuration-file readers.
zentick_add_fuzzer(fuzz_statefile
    SOURCES persistence/fuzz_statefile.cpp
    LIBS zentick_persistence)
zentick_add_fuzzer(fuzz_configfile
    SOURCES persistence/fuzz_configfile.cpp
    LIBS zentick_persistence)
zentick_add_fuzzer(fuzz_statefile_stream
    SOURCES persistence/fuzz_statefile_stream.cpp
    LIBS zentick_persistence)
# The journal of clock events: damaged, cut and glued lines.
zentick_add_fuzzer(fuzz_journal
    SOURCES persistence/fuzz_journal.cpp
    LIBS zentick_persistence)
