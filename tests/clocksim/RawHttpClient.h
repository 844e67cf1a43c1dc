#pragma once

#include <QAbstractSocket>
#include <QByteArray>
#include <QString>

// The client's side of one exchange, written out by hand so the simulator's
// tests depend on nothing but sockets: connect to port 80, write the bytes,
// read until the clock closes or goes quiet.
class RawHttpClient
{
public:
    struct Result
    {
        bool connected = false;
        QAbstractSocket::SocketError error = QAbstractSocket::UnknownSocketError;
        bool closedByPeer = false;   // false: still open when the wait ended
        QByteArray reply;
        int reads = 0;
    };

    static constexpr int kPort = 80;

    // The request exactly as the program sends it.
    static QByteArray post(const QByteArray& path, const QByteArray& body, const QString& user,
                           const QString& password);
    // Sends request to address:80; waits up to waitMs for the clock to close.
    // maxBytes stops reading early (for a reply that never ends).
    static Result exchange(const QString& address, const QByteArray& request, int waitMs = 5000,
                           qint64 maxBytes = 1024 * 1024);
    static int statusOf(const QByteArray& reply);
    static QByteArray bodyOf(const QByteArray& reply);
};
