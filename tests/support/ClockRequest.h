#pragma once

#include <QByteArray>

// A request exactly as a clock must receive it, written out here rather than
// taken from the transport so that both sides cannot drift together.
inline QByteArray expectedRequest(const QByteArray &path, const QByteArray &user, const QByteArray &password,
                                  const QByteArray &body)
{
    return "POST " + path + " HTTP/1.1\r\n" + "Authorization: Basic " + (user + ':' + password).toBase64() + "\r\n"
        + "Content-Length: " + QByteArray::number(body.size()) + "\r\n" + "Connection: Keep-Alive\r\n"
        + "Accept-Encoding: gzip, deflate\r\n" + "Content-Type: application/x-www-form-urlencoded\r\n\r\n" + body;
}
