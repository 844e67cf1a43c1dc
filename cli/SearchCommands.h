#pragma once

class CliSession;

// The commands that search the local networks by broadcast. Each returns the
// exit status.
namespace SearchCommands {

int discover(CliSession &session);
int resolveConflicts(CliSession &session);

} // namespace SearchCommands
