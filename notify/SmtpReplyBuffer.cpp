#include "notify/SmtpReplyBuffer.h"

#include <QStringList>

namespace {

constexpr int replyCodeLength = 3;

bool isAllDigits(const QByteArray &text)
{
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return !text.isEmpty();
}

} // namespace

bool SmtpReplyBuffer::takeReply(QString &reply, int &code)
{
    QStringList lines;
    int start = 0;
    while (true) {
        const int end = m_buffer.indexOf('\n', start);
        if (end < 0)
            return false;
        QByteArray line = m_buffer.mid(start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        start = end + 1;
        lines << QString::fromUtf8(line);
        // A continuation line has something other than a blank after the code.
        const bool continuation = line.size() > replyCodeLength && line.at(replyCodeLength) != ' ';
        if (!continuation) {
            const QByteArray digits = line.left(replyCodeLength);
            code = digits.size() == replyCodeLength && isAllDigits(digits) ? digits.toInt() : -1;
            break;
        }
    }
    m_buffer.remove(0, start);
    reply = lines.join(QLatin1Char('\n'));
    return true;
}
