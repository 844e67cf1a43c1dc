#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

class ClockRegistry;

// One clock of an address plan: where it is and, when the plan says, what it
// is called, which group it belongs to and how to log in to it.
struct PlanRow
{
    int line = 0; // where the row begins in the file, from 1
    QString ip;
    QString name;
    QString group;
    QString user;
    QString password;
    QString mac; // empty: the plan names none
};

// The address plan of a site: the CSV file installers keep beside their
// spreadsheets. A header row names the columns (ip, name, group, user,
// password, mac, in any order; only ip is needed), then one clock per row. UTF-8,
// with a byte order mark or without; fields separated by commas or, when the
// header uses them, by semicolons; fields quoted as in RFC 4180.
//
// Bad input is refused whole, with the first fault and the line it is on:
// nothing of a plan that is partly wrong reaches the device list.
namespace AddressPlan {

// Larger files are no plan: 65536 rows of a few fields each stay far below.
inline constexpr int MaxBytes = 16 * 1024 * 1024;
inline constexpr int MaxRows = 65536;

struct Parsed
{
    QVector<PlanRow> rows;
    // Empty when the plan was read; otherwise "line N: what is wrong".
    QString error;

    bool ok() const { return error.isEmpty(); }
};

// Refused: a file that is not UTF-8 text, an unknown or repeated column, a
// header without "ip", a malformed quoted field, a row with more fields than
// the header, a missing or malformed address or MAC, an address listed twice
// (clocks that share an address are told apart by their MACs), a group
// holding a control character, and a plan without rows or
// with more than MaxRows (counted while reading, so a huge file is refused
// early). Unquoted fields lose the blanks around them; blank lines are
// skipped. A field written with the formula guard (see write()) loses it.
// Lines are counted at LF, CR and CRLF alike.
Parsed parse(const QByteArray &data);

// The header and one row per entry, comma-separated, lines ending in "\n";
// fields quoted only where they must be. A field a spreadsheet would run as
// a formula (beginning with "=", "+", "-", "@", TAB or CR) gets a leading
// "'", as does one that begins with "'" itself. parse() reads it back as it
// was, byte for byte.
QByteArray write(const QVector<PlanRow> &rows);

// The device list as a plan, in list order: address, name, group, user and
// MAC of every clock, and its password only when asked.
QVector<PlanRow> fromClocks(const ClockRegistry &registry, bool withPasswords);

} // namespace AddressPlan
