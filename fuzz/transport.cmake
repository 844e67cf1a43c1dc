# Parsers of bytes that come from a clock.
zentick_add_fuzzer(fuzz_http_reply
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/transport/fuzz_http_reply.cpp
    LIBS zentick_transport)
