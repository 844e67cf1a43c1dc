#pragma once

#include "values/TextCatalogue.h"

#include <QDateTime>
#include <QList>
#include <QString>

// The one composer of alert mails: a clock's alert, an incident (alerts that
// fell due together) and a recovery (clocks that are well again). One clock
// alone gets the alert mail it has always got, byte for byte, so that mail
// filters keep working.
namespace IncidentMail {

struct Entry
{
    QString name;
    QString ip;
    QString group; // the group's name, or "None"
    int kind = -1; // the due alert record (an NtpStatus)
    QDateTime since; // the first failed poll of the episode
    QDateTime recovered; // recoveries: when it was well again
};

// Sorted by group, then name, then address, as the mails list them.
void sort(QList<Entry> &entries);

// "Connection error": what a due alert of this kind (an NtpStatus) says.
QString reasonText(int kind, const TextCatalogue &texts = TextCatalogue());

// One entry: "QLX Zentick alert: Lobby IP: 192.168.0.20" and its four lines.
// More: "QLX Zentick alert: 27 clocks (Connection error 25, No
// authentication 2)", and each clock with the start of its episode.
QString alertSubject(const QList<Entry> &entries);
QString alertBody(const QList<Entry> &entries);

QString recoverySubject(const QList<Entry> &entries);
QString recoveryBody(const QList<Entry> &entries);

// "14 min", "2 h 5 min", "3 d 4 h", "less than a minute".
QString durationText(qint64 seconds);

} // namespace IncidentMail
