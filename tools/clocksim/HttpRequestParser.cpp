#include "tools/clocksim/HttpRequestParser.h"

namespace {

const QByteArray kHeadEnd = QByteArrayLiteral("\r\n\r\n");

bool isDigits(const QByteArray& text)
{
    if (text.isEmpty())
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

} // namespace

HttpRequestParser::State HttpRequestParser::feed(const QByteArray& data)
{
    if (m_state != State::Incomplete)
        return m_state;
    if (m_bodyLength < 0) {
        m_buffer.append(data);
        const int end = m_buffer.indexOf(kHeadEnd);
        if (end < 0) {
            if (m_buffer.size() > kMaxHeadBytes)
                m_state = State::TooLarge;
            return m_state;
        }
        if (end + kHeadEnd.size() > kMaxHeadBytes) {
            m_state = State::TooLarge;
            return m_state;
        }
        m_head = m_buffer.left(end + kHeadEnd.size());
        const QByteArray rest = m_buffer.mid(m_head.size());
        m_buffer.clear();
        if (!parseHead())
            return m_state;
        m_body = rest.left(static_cast<int>(m_bodyLength));
    } else {
        m_body.append(data.left(static_cast<int>(m_bodyLength - m_body.size())));
    }
    if (m_body.size() == m_bodyLength)
        m_state = State::Complete;
    return m_state;
}

bool HttpRequestParser::parseHead()
{
    const QList<QByteArray> lines = m_head.left(m_head.size() - kHeadEnd.size()).split('\n');
    QList<QByteArray> requestLine = lines.first().trimmed().split(' ');
    if (requestLine.size() != 3 || requestLine.at(0).isEmpty() || !requestLine.at(1).startsWith('/')
        || !requestLine.at(2).startsWith("HTTP/")) {
        m_state = State::Invalid;
        return false;
    }
    m_method = requestLine.at(0);
    m_path = requestLine.at(1);
    for (int i = 1; i < lines.size(); ++i) {
        QByteArray line = lines.at(i);
        if (line.endsWith('\r'))
            line.chop(1);
        const int colon = line.indexOf(':');
        if (colon <= 0) {
            m_state = State::Invalid;
            return false;
        }
        m_headers.append({line.left(colon).trimmed(), line.mid(colon + 1).trimmed()});
    }
    m_bodyLength = 0;
    if (hasHeader("Content-Length")) {
        const QByteArray length = header("Content-Length");
        if (!isDigits(length)) {
            m_state = State::Invalid;
            return false;
        }
        if (length.size() > 9 || length.toLongLong() > kMaxBodyBytes) {
            m_state = State::TooLarge;
            return false;
        }
        m_bodyLength = length.toLongLong();
    }
    return true;
}

QByteArray HttpRequestParser::header(const QByteArray& name) const
{
    for (const auto& entry : m_headers) {
        if (entry.first.compare(name, Qt::CaseInsensitive) == 0)
            return entry.second;
    }
    return QByteArray();
}

bool HttpRequestParser::hasHeader(const QByteArray& name) const
{
    for (const auto& entry : m_headers) {
        if (entry.first.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}
