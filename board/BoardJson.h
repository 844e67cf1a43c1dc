#pragma once

#include "persistence/EventJournal.h"
#include "values/TextCatalogue.h"

#include <QByteArray>
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

// A JSON string of the text; <, > and & written as escapes, so that the
// document cannot be read as markup even by a client that sniffs.
void appendString(QByteArray &out, const QString &text);
// The object as compact JSON, with the same escapes.
QByteArray compact(const QJsonObject &object);
// "null", or the time in UTC as a JSON string.
QByteArray utcValue(const QDateTime &time);

// One clock's row in the parts a BoardRow keeps: head up to the state,
// tail after the status time. Written by hand: a large fleet's rows cost a
// fraction of what QJsonDocument takes for them.
void clockParts(const DevClock &clock, const ClockRegistry &registry, const QDateTime &now, QByteArray *head,
                QByteArray *tail);
// The device list's words for the state, without the line of the last
// status update: the status time says it, and would make every poll a change.
QString stateText(const DevClock &clock, const TextCatalogue &texts);
// Counts by state as the device list's summary line counts them, and that line.
QJsonObject summary(const QList<DevClock *> &clocks, const TextCatalogue &texts);
// Newest first. A failed mail's server reply is left out: it may name the
// mail settings (server, sender, recipients).
QJsonArray events(const QList<ClockEvent> &events, const TextCatalogue &texts);

// "ok", "warning", "critical" or "unknown", from DevClock::ntpSeverity().
QString severityName(int severity);

} // namespace BoardJson
