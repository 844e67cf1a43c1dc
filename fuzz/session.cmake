# The audit findings kept for the device list and `list`.
zentick_add_fuzzer(fuzz_audit_findings
    SOURCES session/fuzz_audit_findings.cpp
    LIBS zentick_session)
