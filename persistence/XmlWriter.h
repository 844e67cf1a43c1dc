#pragma once

#include <QByteArray>
#include <QLatin1String>
#include <QString>

#include <string>
#include <vector>

// Writes the program's XML files: the "xml" processing instruction, UTF-8, one
// space of indentation per level, every value an attribute, attributes in the
// order they are written. The toolkit's DOM writer cannot keep that order (it
// writes attributes in hash order), so the files are streamed by hand.
//
// Characters that XML 1.0 cannot hold (NUL and other C0 controls except tab,
// line feed and carriage return, lone surrogates, U+FFFE, U+FFFF) are dropped:
// one such character in a clock name taken from a reply would otherwise make
// the whole state file unreadable at the next start.
class XmlWriter
{
public:
    XmlWriter();
    // Room for a document of about this many bytes: a long device list is
    // then built without copying what is already written.
    void reserve(int bytes) { m_out.reserve(bytes); }

    void startElement(const char *tag);
    void startElement(const QByteArray &tag);
    void attribute(const char *name, const QString &value);
    void attribute(const char *name, QLatin1String value);
    void attribute(const char *name, int value);
    // "0" or "1".
    void attribute(const char *name, bool value);
    // Shortest general form with up to 6 significant digits.
    void attribute(const char *name, float value);
    // A literal would otherwise silently pick the bool overload.
    void attribute(const char *name, const char *value) = delete;
    void endElement();

    // The document so far; complete once every element has been ended.
    QByteArray data() const { return m_out; }

private:
    void closeStartTag();
    void indent(int depth);
    void startAttribute(const char *name);
    void appendEscaped(uint code);
    void endAttribute();

    QByteArray m_out;
    // One value's escaped UTF-8, appended to m_out in one piece.
    std::string m_value;
    // Short names stay within the strings' own storage.
    std::vector<std::string> m_openTags;
    bool m_startTagOpen = false;
};
