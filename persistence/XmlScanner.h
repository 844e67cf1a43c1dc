#pragma once

#include <QByteArray>
#include <QLatin1String>
#include <QString>

#include <vector>

// A reader for the plain XML the program writes: the declaration XmlWriter
// writes, elements with ASCII names, attributes and white space between the
// tags, nothing else. Several times faster than QXmlStreamReader on a long
// device list, because it neither decodes the whole document to UTF-16 nor
// copies a value before it is asked for.
//
// Whatever lies outside that plain form (comments, text, CDATA, a DTD,
// another encoding, a literal tab or line break in a value, a character
// reference beyond U+FFFF, any ill-formed markup) is an error, never a guess,
// so a caller can hand such a document to a complete XML reader. So is
// nesting deeper than XmlFile::maxDepth and a value longer than
// XmlFile::maxAttributeLength bytes. Its reading
// interface is the part of QXmlStreamReader the program's readers use.
class XmlScanner
{
public:
    // One attribute's value, read like a QStringRef: "" when missing.
    class Value
    {
    public:
        QString toString() const;
        int toInt() const;
        float toFloat() const;
        friend QString text(const Value &value) { return value.toString(); }

    private:
        friend class XmlScanner;
        const char *m_begin = nullptr;
        int m_size = 0;
        // ASCII without references: its bytes are its characters.
        bool m_plain = true;
    };

    // The attributes of one start tag, valid as long as the scanner's data.
    class Attributes
    {
    public:
        Value attribute(const QString &name) const;

    private:
        friend class XmlScanner;
        struct Entry
        {
            QLatin1String name;
            Value value;
        };
        std::vector<Entry> m_entries;
        // Readers ask in the order the writer wrote: the search starts after
        // the last attribute found.
        mutable size_t m_next = 0;
    };

    explicit XmlScanner(const QByteArray &data);

    // The declaration and the root's start tag.
    bool readRootElement();
    // As QXmlStreamReader's: true at the next child's start tag, false at the
    // current element's end tag or at an error.
    bool readNextStartElement();
    void skipCurrentElement();
    QLatin1String qualifiedName() const { return m_name; }
    const Attributes &attributes() const { return m_attributes; }
    // True when nothing but white space follows the root's end tag and no
    // error was met.
    bool finish();
    bool hasError() const { return m_error; }

private:
    bool fail();
    void skipSpace();
    bool readName(QLatin1String &name);
    bool readStartTag();
    bool readEndTag();
    bool readValue(Value &value);
    bool hasDuplicateName() const;

    QByteArray m_data;
    const char *m_at;
    const char *m_end;
    std::vector<QLatin1String> m_open;
    QLatin1String m_name;
    Attributes m_attributes;
    // The current element was "<name/>": its end comes next.
    bool m_emptyPending = false;
    bool m_error = false;
};

namespace XmlFile {

inline const XmlScanner::Attributes &attributesOf(const XmlScanner &scanner)
{
    return scanner.attributes();
}

} // namespace XmlFile
