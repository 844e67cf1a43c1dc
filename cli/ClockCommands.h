#pragma once

class CliSession;

// The commands that talk to one clock (or, for config set, to several) by
// its address. Each returns the exit status.
namespace ClockCommands {

int status(CliSession &session);
int configGet(CliSession &session);
int configSet(CliSession &session);
int name(CliSession &session);
int network(CliSession &session);
int password(CliSession &session);
// Sets a listed clock's stored user and password; with --check, one status
// poll with them says whether they work.
int credentials(CliSession &session);

} // namespace ClockCommands
