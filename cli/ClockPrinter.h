#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QVector>

class DevClock;
class DevGroup;

// How zentick-cli shows clock records. JSON keys are the field names of the
// state file, flat (the Common, Status and Network groups side by side), so a
// script reads "ip" or "temperature" the same way whatever the command. The
// clock password is never printed.
namespace ClockPrinter {

// The state file's date-time format of "lastStatusUpdate".
inline constexpr char statusTimeFormat[] = "dd.MM.yyyy hh:mm:ss";

// index < 0 leaves the "index" key out (a clock that is not on the list).
QJsonObject clockJson(const DevClock &clock, int index = -1);
QJsonObject groupJson(const DevGroup &group, int index);

// The status text on one line: its lines joined by "; ".
QString statusLine(const DevClock &clock);

// One clock, one "key: value" line per field, for status and add.
QString clockDetails(const DevClock &clock);

// One row of a clock table.
struct TableRow
{
    const DevClock *clock = nullptr;
    int index = -1;   // position on the device list; -1 shows "-"
    QString group;    // group name, empty for none
    QString note;     // an extra remark ("added", "already listed")
    // The device list's own columns (listColumns of clockTable).
    QString quietUntil; // "2026-12-08 18:00", "until unmuted"
    QString audit;      // the latest audit's findings of the clock
    QString quietHours; // its own weekly quiet hours; a column when any row has them
};

// A table of clocks with a header row, for list and discover; the note
// column appears when any row has a note.
// listColumns adds "Quiet until" and "Audit" (the device list).
QString clockTable(const QList<TableRow> &rows, bool listColumns = false);

// Columns padded to their widest cell, two blanks apart; no trailing blanks.
QString formatTable(const QList<QStringList> &rows);
// The same table a row at one time, for tables too long to hold: the widths
// from every row first, then each line.
void widenColumns(QVector<int> &widths, const QStringList &row);
QString formatRow(const QStringList &row, const QVector<int> &widths);

} // namespace ClockPrinter
