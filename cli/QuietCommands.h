#pragma once

class CliSession;

// zentick-cli mute, unmute and events: quiet periods and the journal.
namespace QuietCommands {

int mute(CliSession &session);
int unmute(CliSession &session);
int events(CliSession &session);

} // namespace QuietCommands
