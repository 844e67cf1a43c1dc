#pragma once

class CliSession;

// zentick-cli change: one change to many clocks, planned, shown, then sent
// in waves and read back (ChangeRun); --resume ID goes on with a run that
// stopped. Exits with 0 only when every clock shows the change or already
// had it.
namespace ChangeCommand {

int change(CliSession &session);

} // namespace ChangeCommand
