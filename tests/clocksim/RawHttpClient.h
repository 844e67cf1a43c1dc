#pragma once

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
        bool closedByPeer = false;   // false: still open when the wait ended
        QByteArray reply;
    };

    static constexpr int kPort = 80;

    // Sends request to address:80; waits up to waitMs for the clock to close.
    static Result exchange(const QString& address, const QByteArray& request, int waitMs = 5000);
    static int statusOf(const QByteArray& reply);
};
