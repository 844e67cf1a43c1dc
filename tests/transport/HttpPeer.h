#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QList>
#include <QMetaType>
#include <QMutex>
#include <QObject>
#include <QPointer>

class QTcpServer;
class QTcpSocket;
class QThread;

// A scripted HTTP peer on port 80 of a loopback address: it records every
// request as it arrives (bytes and arrival times) and answers each complete
// request by a plan of timed chunks. It stands in for a clock where the test
// needs replies no well-behaved clock gives: trickles, silence, floods, a line
// held open. It runs on a thread of its own, so that arrival times do not
// depend on what the test's thread is doing; the accessors are thread-safe.
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
    };
    struct Arrival
    {
        qint64 atMs;
        QByteArray bytes;
    };

    explicit HttpPeer(const QHostAddress &address);
    ~HttpPeer() override;

    bool listen(quint16 port = 80);
    void setPlan(const Plan &plan);

    // Of the most recent connection.
    QByteArray request() const;
    QList<Arrival> arrivals() const;
    // Connections the client has closed so far.
    int clientsGone() const;

    static Plan answer(const QByteArray &reply, bool closeAfter = true);

private:
    void acceptConnection();
    void readRequest(QTcpSocket *socket);
    void sendChunk(QPointer<QTcpSocket> socket, const Plan &plan, int index);

    QHostAddress m_address;
    QThread *m_thread;
    QTcpServer *m_server = nullptr;
    QPointer<QTcpSocket> m_socket;
    QElapsedTimer m_clock;
    bool m_answered = false;

    mutable QMutex m_mutex;
    Plan m_plan;
    QList<Arrival> m_arrivals;
    int m_clientsGone = 0;
};
Q_DECLARE_METATYPE(HttpPeer::Plan)
