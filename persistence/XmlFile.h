#pragma once

#include <QByteArray>
#include <QDomDocument>
#include <QDomElement>
#include <QString>

// Reading and writing of the program's XML files.
namespace XmlFile {

// Larger files are refused unread: no real state or configuration file comes
// near this, and a wrong file chosen in a dialog must not exhaust memory.
inline constexpr qint64 maxFileSize = 64 * 1024 * 1024;

enum class Access {
    Default,
    // Readable and writable by the owner only (POSIX permissions).
    OwnerOnly,
};

// Writes the data to a temporary file beside the target and renames it over
// the target, so a crash or a full disk never leaves a half-written file.
// On failure writes "Error: Cannot write file" to the debug log and returns
// false; the previous file, if any, stays as it was.
bool write(const QString &path, const QByteArray &data, Access access = Access::Default);

// Parses the bytes without namespace processing and returns the first element
// of the document whatever its name; a null element when the bytes are not
// well-formed or hold no element.
QDomElement parse(const QByteArray &data, QDomDocument &document);

// Reads a whole file; false when it cannot be opened or is larger than
// maxFileSize.
bool readData(const QString &path, QByteArray &data);

// Attribute readers. A missing attribute reads as "".
int intAttribute(const QDomElement &element, const QString &name);
// True when the decimal integer is not 0.
bool nonZeroAttribute(const QDomElement &element, const QString &name);
// True only when the decimal integer is exactly 1.
bool oneAttribute(const QDomElement &element, const QString &name);
float floatAttribute(const QDomElement &element, const QString &name);

} // namespace XmlFile
