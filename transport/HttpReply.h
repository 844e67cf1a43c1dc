#pragma once

#include "values/Error.h"

#include <QByteArray>
#include <QMap>
#include <QString>

// A clock's raw HTTP reply taken apart. Pure functions of the bytes, so they
// can be tested and fuzzed without a socket.
//
// Clocks are not general HTTP servers: the reply is read as received (never
// decompressed, no chunked coding), and only a length header spelled exactly
// "CONTENT-LENGTH" counts, because that is what the clocks send.
struct HttpReply
{
    // The reply began with "HTTP"; nothing else is filled otherwise.
    bool isHttp = false;
    // The text between the first space and the next one, e.g. "200".
    QString status;
    // Header lines of a "200" reply only; keys as sent, case-sensitive; a
    // later header with the same key replaces the earlier one. The space after
    // the colon stays in the value.
    QMap<QString, QString> headers;
    // The body, present only when "CONTENT-LENGTH" equals its length in
    // characters (no header counts as 0).
    bool hasContent = false;
    QString content;
};

HttpReply parseHttpReply(const QByteArray &response);

// True once the status line and the head are in, a "CONTENT-LENGTH" header
// gives the body's length, and exactly that many body bytes have arrived: the
// exchange need not wait for the line to go quiet.
bool isHttpReplyComplete(const QByteArray &response);

// The outcome of an exchange that received these bytes: NoError, or
// NoResponse, AuthorizationError, ConnectionError or PageNotFound.
Error classifyHttpReply(const QByteArray &response);
