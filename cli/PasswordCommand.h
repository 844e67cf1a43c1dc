#pragma once

class CliSession;
struct CliInvocation;

// zentick-cli password for many clocks: new passwords (one for all, one per
// clock from a list, or made per clock) sent in waves and verified with a
// status poll (PasswordRun); the device list keeps what each clock has now.
// Exits with 0 only when every clock is verified.
namespace PasswordCommand {

// The one-clock form, which changes the clock at once as it always did:
// one clock, --old given and one new password.
bool isSingle(const CliInvocation &invocation);

int run(CliSession &session);

} // namespace PasswordCommand
