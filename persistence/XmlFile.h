#pragma once

#include <QByteArray>
#include <QDomDocument>
#include <QDomElement>
#include <QString>
#include <QStringRef>
#include <QXmlStreamAttributes>
#include <QXmlStreamReader>

// Reading and writing of the program's XML files.
namespace XmlFile {

// Larger files are refused unread: no real state or configuration file comes
// near this, and a wrong file chosen in a dialog must not exhaust memory.
inline constexpr qint64 maxFileSize = 64 * 1024 * 1024;
// The state file grows with the fleet: a clock with its stored configuration
// takes about 7.5 kB, so 10 000 of them make 74 MB. This bound leaves room for
// more than 30 000 such clocks, and still refuses a file whose parsed lists
// would take gigabytes.
inline constexpr qint64 maxStateFileSize = 256 * 1024 * 1024;
// A configuration file or export takes under 10 kB.
inline constexpr qint64 maxConfigurationFileSize = 4 * 1024 * 1024;
// The deepest element any of the program's files needs is an alarm of a
// clock's configuration in the state file, at level 6. Deeper documents are
// refused before a DOM reader sees them: it recurses once per level.
inline constexpr int maxDepth = 16;
// Names, addresses, passwords and paths are far shorter; one huge value
// would cost many times its size once decoded and copied.
inline constexpr int maxAttributeLength = 64 * 1024;

enum class Access {
    Default,
    // Readable and writable by the owner only (POSIX permissions), and
    // never written through a symbolic link.
    OwnerOnly,
};

// Writes the data to a temporary file beside the target and renames it over
// the target, so a crash or a full disk never leaves a half-written file.
// On failure writes "Error: Cannot write file" and the operating system's
// reason ("No space left on device") to the debug log and to why when given,
// and returns false; the previous file, if any, stays as it was.
bool write(const QString &path, const QByteArray &data, Access access = Access::Default, QString *why = nullptr);

// True when the document is no larger than sizeLimit, nests no deeper than
// maxDepth and has no attribute longer than maxAttributeLength; otherwise
// false with the reason in why when given. Counted with QXmlStreamReader,
// which keeps no tree, and on the bytes for a document it cannot read to the
// end (see the source).
bool withinLimits(const QByteArray &data, qint64 sizeLimit, QString *why = nullptr);

// Parses the bytes without namespace processing and returns the first element
// of the document whatever its name; a null element when the bytes are not
// well-formed, hold no element or exceed the limits above, with the reason in
// why when given.
QDomElement parse(const QByteArray &data, QDomDocument &document, QString *why = nullptr,
                  qint64 sizeLimit = maxConfigurationFileSize);

// Reads a whole file; false when it cannot be opened or is larger than
// limit, with the reason in why when given.
bool readData(const QString &path, QByteArray &data, QString *why = nullptr, qint64 limit = maxFileSize);

// The attributes of one element found by QXmlStreamReader, read like a
// QDomElement's so that both readers share the attribute readers below.
class StreamAttributes
{
public:
    StreamAttributes() = default;
    explicit StreamAttributes(const QXmlStreamAttributes &attributes) : m_attributes(attributes) {}
    QStringRef attribute(const QString &name) const { return m_attributes.value(name); }

private:
    QXmlStreamAttributes m_attributes;
};

inline QString text(const QString &value)
{
    return value;
}
inline QString text(const QStringRef &value)
{
    return value.toString();
}

inline StreamAttributes attributesOf(const QXmlStreamReader &reader)
{
    return StreamAttributes(reader.attributes());
}

// Calls visit(name) for every child element of the reader's current element.
// visit either reads the child up to its end element and returns true, or
// returns false and the child is skipped. Ends at the current element's end
// element, or at the first error. The reader is a QXmlStreamReader or an
// XmlScanner.
template <class Reader, class Visit>
void forEachChild(Reader &reader, Visit visit)
{
    while (reader.readNextStartElement()) {
        if (!visit(reader.qualifiedName()))
            reader.skipCurrentElement();
    }
}

// True the first time it is asked about its tag: a DOM reader takes the
// first child of a name and ignores later ones, and so must a stream reader.
class FirstChild
{
public:
    explicit FirstChild(const QString &tag) : m_tag(tag) {}
    template <class Name>
    bool operator()(const Name &name)
    {
        if (m_seen || name != m_tag)
            return false;
        m_seen = true;
        return true;
    }

private:
    const QString m_tag;
    bool m_seen = false;
};

// Attribute readers for a QDomElement or StreamAttributes. A missing
// attribute reads as "".
template <class Element>
QString textAttribute(const Element &element, const QString &name)
{
    return text(element.attribute(name));
}
template <class Element>
int intAttribute(const Element &element, const QString &name)
{
    return element.attribute(name).toInt();
}
// True when the decimal integer is not 0.
template <class Element>
bool nonZeroAttribute(const Element &element, const QString &name)
{
    return intAttribute(element, name) != 0;
}
// True only when the decimal integer is exactly 1.
template <class Element>
bool oneAttribute(const Element &element, const QString &name)
{
    return intAttribute(element, name) == 1;
}
template <class Element>
float floatAttribute(const Element &element, const QString &name)
{
    return element.attribute(name).toFloat();
}

} // namespace XmlFile
