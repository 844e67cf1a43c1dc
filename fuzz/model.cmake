# Parsers of the clocks' replies and of the configuration parameter codes.
zentick_add_fuzzer(fuzz_reply_fields
    SOURCES model/fuzz_reply_fields.cpp
    LIBS zentick_model)
zentick_add_fuzzer(fuzz_clock_replies
    SOURCES model/fuzz_clock_replies.cpp
    LIBS zentick_health zentick_model)
zentick_add_fuzzer(fuzz_config_decoders
    SOURCES model/fuzz_config_decoders.cpp
    LIBS zentick_model)
# Address plans (CSV files from spreadsheets) and typed address ranges.
zentick_add_fuzzer(fuzz_address_plan
    SOURCES model/fuzz_address_plan.cpp
    LIBS zentick_model)
# Weekly quiet hours as a state file or a request holds them.
zentick_add_fuzzer(fuzz_quiet_hours
    SOURCES model/fuzz_quiet_hours.cpp
    LIBS zentick_model)
