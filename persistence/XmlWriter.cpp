#include "persistence/XmlWriter.h"

#include <charconv>

namespace {

constexpr char processingInstruction[] = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";
constexpr int floatPrecision = 6;

bool isXmlChar(uint code)
{
    return code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code <= 0xD7FF)
        || (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code <= 0x10FFFF);
}

} // namespace

XmlWriter::XmlWriter()
{
    m_out.append(processingInstruction);
}

void XmlWriter::startElement(const char *tag)
{
    closeStartTag();
    indent(int(m_openTags.size()));
    m_out.append('<').append(tag);
    m_openTags.emplace_back(tag);
    m_startTagOpen = true;
}

void XmlWriter::startElement(const QByteArray &tag)
{
    startElement(tag.constData());
}

void XmlWriter::attribute(const char *name, const QString &value)
{
    startAttribute(name);
    const int size = value.size();
    const QChar *chars = value.constData();
    for (int i = 0; i < size; ++i) {
        if (chars[i].isHighSurrogate() && i + 1 < size && chars[i + 1].isLowSurrogate()) {
            appendEscaped(QChar::surrogateToUcs4(chars[i], chars[i + 1]));
            ++i;
        } else {
            appendEscaped(chars[i].unicode());
        }
    }
    endAttribute();
}

void XmlWriter::attribute(const char *name, QLatin1String value)
{
    startAttribute(name);
    for (const char c : value)
        appendEscaped(uchar(c));
    endAttribute();
}

void XmlWriter::attribute(const char *name, int value)
{
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    attribute(name, QLatin1String(digits, int(end - digits)));
}

void XmlWriter::attribute(const char *name, bool value)
{
    attribute(name, value ? QLatin1String("1") : QLatin1String("0"));
}

void XmlWriter::attribute(const char *name, float value)
{
    attribute(name, QLatin1String(QByteArray::number(double(value), 'g', floatPrecision)));
}

void XmlWriter::endElement()
{
    Q_ASSERT(!m_openTags.empty());
    if (m_startTagOpen) {
        m_out.append("/>\n");
        m_startTagOpen = false;
        m_openTags.pop_back();
        return;
    }
    indent(int(m_openTags.size()) - 1);
    m_out.append("</").append(m_openTags.back().c_str()).append(">\n");
    m_openTags.pop_back();
}

void XmlWriter::closeStartTag()
{
    if (!m_startTagOpen)
        return;
    m_out.append(">\n");
    m_startTagOpen = false;
}

void XmlWriter::indent(int depth)
{
    m_out.append(depth, ' ');
}

void XmlWriter::startAttribute(const char *name)
{
    Q_ASSERT(m_startTagOpen);
    m_out.append(' ').append(name).append("=\"");
    m_value.clear();
}

void XmlWriter::endAttribute()
{
    m_value.push_back('"');
    m_out.append(m_value.data(), int(m_value.size()));
}

void XmlWriter::appendEscaped(uint code)
{
    if (!isXmlChar(code))
        return;
    switch (code) {
    case '<': m_value.append("&lt;"); return;
    case '>': m_value.append("&gt;"); return;
    case '&': m_value.append("&amp;"); return;
    case '"': m_value.append("&quot;"); return;
    // A reader normalises raw white space in attributes to blanks.
    case '\t': m_value.append("&#x9;"); return;
    case '\n': m_value.append("&#xa;"); return;
    case '\r': m_value.append("&#xd;"); return;
    default: break;
    }
    // UTF-8 by hand: the toolkit's encoder would need a string per value.
    if (code < 0x80) {
        m_value.push_back(char(code));
    } else if (code < 0x800) {
        m_value.push_back(char(0xC0 | (code >> 6)));
        m_value.push_back(char(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        m_value.push_back(char(0xE0 | (code >> 12)));
        m_value.push_back(char(0x80 | ((code >> 6) & 0x3F)));
        m_value.push_back(char(0x80 | (code & 0x3F)));
    } else {
        m_value.push_back(char(0xF0 | (code >> 18)));
        m_value.push_back(char(0x80 | ((code >> 12) & 0x3F)));
        m_value.push_back(char(0x80 | ((code >> 6) & 0x3F)));
        m_value.push_back(char(0x80 | (code & 0x3F)));
    }
}
