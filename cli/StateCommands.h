#pragma once

class CliSession;

// The commands that work on the device list and on files only, without
// talking to a clock. Each returns the exit status.
namespace StateCommands {

int list(CliSession &session);
int add(CliSession &session);
int remove(CliSession &session);
int configShow(CliSession &session);

} // namespace StateCommands
