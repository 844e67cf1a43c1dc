#include "transport/HttpReply.h"

namespace {

const QString httpPrefix = QStringLiteral("HTTP");
const QString lineEnd = QStringLiteral("\r\n");
const QString headEnd = QStringLiteral("\r\n\r\n");
const QString statusOk = QStringLiteral("200");
const QString lengthKey = QStringLiteral("CONTENT-LENGTH");
// A "200" reply carrying the clock's own not-found page.
const QString notFoundPage = QStringLiteral("<html><head><title>404");

constexpr int httpOk = 200;
constexpr int httpUnauthorized = 401;

// Key and value of one header line; a line without a colon is a key with an
// empty value.
void addHeader(QMap<QString, QString> &headers, const QStringRef &line)
{
    const int colon = line.indexOf(QLatin1Char(':'));
    if (colon < 0)
        headers.insert(line.toString(), QString());
    else
        headers.insert(line.left(colon).toString(), line.mid(colon + 1).toString());
}

} // namespace

HttpReply parseHttpReply(const QByteArray &response)
{
    HttpReply reply;
    const QString text = QString::fromUtf8(response);
    if (!text.startsWith(httpPrefix))
        return reply;
    reply.isHttp = true;

    const int statusStart = text.indexOf(QLatin1Char(' ')) + 1;
    const int statusEnd = text.indexOf(QLatin1Char(' '), statusStart);
    reply.status = statusEnd < 0 ? text.mid(statusStart) : text.mid(statusStart, statusEnd - statusStart);
    if (reply.status != statusOk)
        return reply;

    // The head is everything up to the first empty line; a body may hold
    // empty lines of its own, which must not be taken for headers.
    const int statusLineEnd = text.indexOf(lineEnd, statusStart);
    if (statusLineEnd < 0)
        return reply;
    int position = statusLineEnd + lineEnd.size();
    const int bodyStart = [&] {
        // The status line's own line end may be the first half of the head end.
        const int end = text.indexOf(headEnd, statusLineEnd);
        return end < 0 ? -1 : end + headEnd.size();
    }();
    if (bodyStart < 0)
        return reply; // no end of head: no headers, no body
    const int headLinesEnd = bodyStart - lineEnd.size();
    while (position < headLinesEnd) {
        const int end = text.indexOf(lineEnd, position);
        addHeader(reply.headers, text.midRef(position, end - position));
        position = end + lineEnd.size();
    }

    const QString body = text.mid(bodyStart);
    const int declaredLength = reply.headers.value(lengthKey).trimmed().toInt();
    if (declaredLength == body.size()) {
        reply.hasContent = true;
        reply.content = body;
    }
    return reply;
}

bool isHttpReplyComplete(const QByteArray &response)
{
    if (!response.startsWith("HTTP"))
        return false;
    const int statusLineEnd = response.indexOf("\r\n");
    if (statusLineEnd < 0)
        return false;
    const int head = response.indexOf("\r\n\r\n", statusLineEnd);
    if (head < 0)
        return false;

    bool found = false;
    qint64 declaredLength = 0;
    int position = statusLineEnd + 2;
    while (position < head + 2) {
        const int end = response.indexOf("\r\n", position);
        const QByteArray line = response.mid(position, end - position);
        const int colon = line.indexOf(':');
        if (colon >= 0 && line.left(colon) == "CONTENT-LENGTH") {
            bool ok = false;
            const qint64 value = line.mid(colon + 1).trimmed().toLongLong(&ok);
            found = ok;
            declaredLength = value;
        }
        position = end + 2;
    }
    const qint64 bodyLength = response.size() - (head + 4);
    return found && declaredLength == bodyLength;
}

Error classifyHttpReply(const QByteArray &response)
{
    if (response.isEmpty())
        return NoResponse;
    const HttpReply reply = parseHttpReply(response);
    if (!reply.isHttp)
        return NoResponse;
    switch (reply.status.toInt()) {
    case httpOk:
        return reply.content.startsWith(notFoundPage) ? PageNotFound : NoError;
    case httpUnauthorized:
        return AuthorizationError;
    default:
        return ConnectionError;
    }
}
