#pragma once

#include "persistence/EventJournal.h"
#include "values/TextCatalogue.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>

class ClockRegistry;
class DevClock;

// The board's API documents. Field names are stable (README lists them).
// Credentials and mail settings are never read here, so none can leak; every
// text stays text (JSON strings), for the page to show with textContent.
namespace BoardJson {

// One clock's row, its texts from the catalogue given.
QJsonObject clock(const DevClock &clock, const ClockRegistry &registry, const QDateTime &now,
                  const TextCatalogue &texts);
// Counts by state as the device list's summary line counts them, and that line.
QJsonObject summary(const QList<DevClock *> &clocks, const TextCatalogue &texts);
// Newest first. A failed mail's server reply is left out: it may name the
// mail settings (server, sender, recipients).
QJsonArray events(const QList<ClockEvent> &events, const TextCatalogue &texts);

// "ok", "warning", "critical" or "unknown", from DevClock::ntpSeverity().
QString severityName(int severity);

} // namespace BoardJson
