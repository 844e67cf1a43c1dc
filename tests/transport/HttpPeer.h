#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QList>
#include <QMetaType>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

// A scripted HTTP peer on port 80 of a loopback address: it records every
// request as it arrives (bytes and arrival times) and answers each complete
// request by a plan of timed chunks. It stands in for a clock where the test
// needs replies no simulated clock gives: a line held open, a reply of
// exactly the size limit, one without end. It serves from the event loop the
// caller runs while it waits for the worker's result.
class HttpPeer : public QObject
{
    Q_OBJECT

public:
    struct Chunk
    {
        int delayMs = 0; // after the request, or after the previous chunk
        QByteArray bytes;
    };
    struct Plan
    {
        QList<Chunk> chunks;
        bool closeAfter = true;
        // The last chunk again and again, for as long as the client reads.
        bool endless = false;
    };
    struct Arrival
    {
        qint64 atMs;
        QByteArray bytes;
    };

    explicit HttpPeer(const QHostAddress &address) : m_address(address) {}

    bool listen(quint16 port = 80);
    void setPlan(const Plan &plan) { m_plan = plan; }
    // Of the most recent connection.
    QByteArray request() const;
    QList<Arrival> arrivals() const { return m_arrivals; }
    // Connections the client has closed so far.
    int clientsGone() const { return m_clientsGone; }

    static Plan answer(const QByteArray &reply, bool closeAfter = true) { return {{{0, reply}}, closeAfter}; }

private:
    void acceptConnection();
    void readRequest(QTcpSocket *socket);
    void sendChunk(QPointer<QTcpSocket> socket, int index);

    QHostAddress m_address;
    QTcpServer m_server;
    QPointer<QTcpSocket> m_socket;
    QElapsedTimer m_clock;
    bool m_answered = false;
    Plan m_plan;
    QList<Arrival> m_arrivals;
    int m_clientsGone = 0;
};
Q_DECLARE_METATYPE(HttpPeer::Plan)
