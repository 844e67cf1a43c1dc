#include "http/HttpRequestParser.h"

#include <QList>

#include <algorithm>
#include <cstring>

namespace {

// RFC 9110 token characters: method and field names.
bool isTokenChar(char c)
{
    static const char specials[] = "!#$%&'*+-.^_`|~";
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')
        || (c != '\0' && std::strchr(specials, c) != nullptr);
}

bool isToken(const QByteArray &text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), isTokenChar);
}

bool isVisible(char c)
{
    return c > 0x20 && c < 0x7f;
}

// A field value may hold visible characters, blanks, tabs and non-ASCII bytes;
// control characters (NUL, a lone CR) are refused.
bool isFieldValueChar(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return u == '\t' || (u >= 0x20 && u != 0x7f);
}

QByteArray withoutCarriageReturn(const QByteArray &line)
{
    return line.endsWith('\r') ? line.left(line.size() - 1) : line;
}

} // namespace

HttpRequestParser::HttpRequestParser(int maxHeadBytes)
    : m_maxHeadBytes(maxHeadBytes)
{
}

HttpRequestParser::State HttpRequestParser::feed(const char *data, qsizetype size)
{
    if (m_state != State::Incomplete || size <= 0)
        return m_state;
    const qsizetype taken = std::min(size, room());
    m_head.append(data, int(taken));

    // The head ends at the first empty line after the request line; bare LF
    // line ends are accepted. Only the new bytes are searched.
    for (qsizetype i = m_scanFrom; i < m_head.size(); ++i) {
        const char c = m_head.at(int(i));
        if (c != '\n') {
            // Empty lines before the request line are tolerated (RFC 9112 2.2).
            m_requestLineSeen = m_requestLineSeen || c != '\r';
            continue;
        }
        const bool emptyLine = (i >= 1 && m_head.at(int(i - 1)) == '\n')
            || (i >= 2 && m_head.at(int(i - 1)) == '\r' && m_head.at(int(i - 2)) == '\n');
        if (emptyLine && m_requestLineSeen) {
            m_head.truncate(int(i + 1));
            m_state = parseHead();
            if (m_state != State::Complete) {
                m_method.clear();
                m_path.clear();
                m_query.clear();
                m_fields.clear();
            }
            return m_state;
        }
    }
    m_scanFrom = m_head.size();
    if (room() == 0)
        m_state = State::TooLarge;
    return m_state;
}

HttpRequestParser::State HttpRequestParser::parseHead()
{
    QList<QByteArray> lines = m_head.split('\n');
    while (!lines.isEmpty() && withoutCarriageReturn(lines.constFirst()).isEmpty())
        lines.removeFirst();
    if (lines.isEmpty() || !parseRequestLine(withoutCarriageReturn(lines.constFirst())))
        return State::Malformed;
    for (int i = 1; i < lines.size(); ++i) {
        const QByteArray line = withoutCarriageReturn(lines.at(i));
        if (line.isEmpty())
            break;
        if (!readHeaderField(line))
            return State::Malformed;
    }
    return State::Complete;
}

bool HttpRequestParser::parseRequestLine(const QByteArray &line)
{
    // Exactly "METHOD SP target SP HTTP/1.x": no other separators are allowed,
    // so the same bytes cannot be read two ways by a proxy in front.
    const QList<QByteArray> parts = line.split(' ');
    if (parts.size() != 3 || !isToken(parts.at(0)))
        return false;
    const QByteArray &target = parts.at(1);
    if (!target.startsWith('/') || !std::all_of(target.begin(), target.end(), isVisible))
        return false;
    const QByteArray &version = parts.at(2);
    if (version != "HTTP/1.1" && version != "HTTP/1.0")
        return false;
    m_method = parts.at(0);
    const int query = target.indexOf('?');
    m_path = query < 0 ? target : target.left(query);
    m_query = query < 0 ? QByteArray() : target.mid(query + 1);
    return true;
}

QByteArray HttpRequestParser::header(const QByteArray &name) const
{
    const QByteArray wanted = name.toLower();
    for (const auto &field : m_fields) {
        if (field.first == wanted)
            return field.second;
    }
    return QByteArray();
}

bool HttpRequestParser::readHeaderField(const QByteArray &line)
{
    // A line folded onto the previous one (obsolete) or a blank before the
    // colon is refused, as RFC 9112 asks of a server.
    const int colon = line.indexOf(':');
    if (colon <= 0 || !isToken(line.left(colon)))
        return false;
    const QByteArray value = line.mid(colon + 1);
    if (!std::all_of(value.begin(), value.end(), isFieldValueChar))
        return false;
    m_fields.append({line.left(colon).toLower(), value.trimmed()});
    return true;
}
