#include "XmlWriter.h"

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
    startElement(QByteArray(tag));
}

void XmlWriter::startElement(const QByteArray &tag)
{
    closeStartTag();
    indent(m_openTags.size());
    m_out.append('<').append(tag);
    m_openTags.append(tag);
    m_startTagOpen = true;
}

void XmlWriter::attribute(const char *name, const QString &value)
{
    Q_ASSERT(m_startTagOpen);
    m_out.append(' ').append(name).append("=\"");
    appendEscaped(value);
    m_out.append('"');
}

void XmlWriter::attribute(const char *name, int value)
{
    attribute(name, QString::number(value));
}

void XmlWriter::attribute(const char *name, bool value)
{
    attribute(name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void XmlWriter::attribute(const char *name, float value)
{
    attribute(name, QString::number(double(value), 'g', floatPrecision));
}

void XmlWriter::endElement()
{
    Q_ASSERT(!m_openTags.isEmpty());
    const QByteArray tag = m_openTags.takeLast();
    if (m_startTagOpen) {
        m_out.append("/>\n");
        m_startTagOpen = false;
        return;
    }
    indent(m_openTags.size());
    m_out.append("</").append(tag).append(">\n");
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

void XmlWriter::appendEscaped(const QString &value)
{
    QString escaped;
    escaped.reserve(value.size());
    const int size = value.size();
    for (int i = 0; i < size; ++i) {
        const QChar c = value.at(i);
        uint code = c.unicode();
        if (c.isHighSurrogate() && i + 1 < size && value.at(i + 1).isLowSurrogate()) {
            escaped.append(c).append(value.at(i + 1));
            ++i;
            continue;
        }
        if (!isXmlChar(code))
            continue;
        switch (code) {
        case '<': escaped.append(QLatin1String("&lt;")); break;
        case '>': escaped.append(QLatin1String("&gt;")); break;
        case '&': escaped.append(QLatin1String("&amp;")); break;
        case '"': escaped.append(QLatin1String("&quot;")); break;
        // A reader normalises raw white space in attributes to blanks.
        case '\t': escaped.append(QLatin1String("&#x9;")); break;
        case '\n': escaped.append(QLatin1String("&#xa;")); break;
        case '\r': escaped.append(QLatin1String("&#xd;")); break;
        default: escaped.append(c); break;
        }
    }
    m_out.append(escaped.toUtf8());
}
