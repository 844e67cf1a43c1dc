zentick_add_fuzzer(fuzz_discoverydatagram
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/operations/fuzz_discoverydatagram.cpp
    LIBS zentick_operations)
