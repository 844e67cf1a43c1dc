#pragma once

#include <QDateTime>
#include <QString>

class CliSession;

// zentick-cli mute, unmute and events: quiet periods and the journal.
namespace QuietCommands {

int mute(CliSession &session);
int unmute(CliSession &session);
int events(CliSession &session);
// A date, a date and time, or a span back from now (90m, 8h, 2d), as --since reads it.
QDateTime parseSince(const QString &text, const QDateTime &now);

} // namespace QuietCommands
