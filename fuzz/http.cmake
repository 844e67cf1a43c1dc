# Parsers of bytes from the listener's peers: a metrics scraper, a board's browser, anyone who can reach the port.
zentick_add_fuzzer(fuzz_http_request
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/http/fuzz_http_request.cpp
    LIBS zentick_http zentick_board)
