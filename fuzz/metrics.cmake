# Parsers of bytes from a metrics scraper (or anyone who can reach the port).
zentick_add_fuzzer(fuzz_http_request
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/metrics/fuzz_http_request.cpp
    LIBS zentick_metrics zentick_board)
