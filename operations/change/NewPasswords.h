#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

// The new passwords of a password run: one for every clock, one per clock
// from a list, or one made here per clock.
//
// A list holds one clock a line, "ADDRESS,PASSWORD" or "ADDRESS;PASSWORD"
// (the password is everything after the first separator, as it stands), and
// may begin with the header "ip,password". A file whose first line is not of
// that shape holds one password, its first line, for every clock.
namespace NewPasswords {

// Larger is no list of passwords: a line per clock of the largest site.
inline constexpr int MaxBytes = 16 * 1024 * 1024;
// Made passwords: letters and digits only (the clocks take them unencoded in
// a form body and in Basic authentication), without the look-alikes 0 O 1 l I
// so that one read off a sheet is typed right; 16 of 57 symbols are 93 bits.
inline constexpr int GeneratedLength = 16;

struct Parsed
{
    bool isList = false;
    QString single;                  // !isList: the first line
    QStringList addresses;           // isList: in the file's order
    QHash<QString, QString> byAddress;
    QString error;                   // "line N: ..." for a list that is refused

    bool ok() const { return error.isEmpty(); }
};

// A list is refused whole for a line that is not ADDRESS,PASSWORD, an
// address given twice or an empty password.
Parsed parse(const QByteArray &data);

// parse() of a file, read up to MaxBytes; error says why it could not be read.
Parsed readFile(const QString &path);

// One password from the system's random source.
QString generate();

// The list as parse() reads it back: "ip,password" lines, in order.
QByteArray write(const QVector<QPair<QString, QString>> &passwords);

} // namespace NewPasswords
