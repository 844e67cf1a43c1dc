#pragma once

#include "transport/DatagramPacket.h"
#include "transport/WorkerEthernet.h"

#include <QVector>

class QUdpSocket;

// Sends one datagram (in practice the broadcast query) from the port it sends
// to, then listens for a short window and collects every datagram that
// arrives, with its sender. Only the error flag reports failure.
class WorkerUdp : public WorkerEthernet
{
    Q_OBJECT

public:
    // The pause after sending and the length of each listening step.
    static constexpr int defaultStepMs = 50;
    static constexpr int defaultWindowMs = 500;
    // Listening goes on past the window while datagrams keep arriving; a peer
    // that never stops sending must not hold the one worker thread forever.
    static constexpr int defaultMaxListenMs = 60000;
    // Each step reads every datagram pending (a large fleet answers at once
    // and would overflow the socket's buffer), but no more than this, so a
    // flood cannot stretch one step.
    static constexpr int maxDatagramsPerStep = 1024;
    // Asked of the system for the socket's receive buffer: room for several
    // thousand replies that arrive at once. The system may grant less.
    static constexpr int receiveBufferBytes = 4 * 1024 * 1024;

    WorkerUdp(const QHostAddress &remoteAddress, quint16 port, const QByteArray &payload);
    ~WorkerUdp() override;

    // The first received datagram's data; empty when none arrived.
    QByteArray data() const override;
    QVector<DatagramPacket> packets() const { return m_packets; }
    // Datagrams the system dropped while this worker listened because its
    // buffer was full; -1 when the system does not tell.
    int lostDatagrams() const { return m_lost; }

    void open() override;
    void connectOrBind() override;
    void transfer() override;
    void close() override;
    QString exchangeKey() const override;

    // The pause and listening times. Only tests shorten them: per worker, or
    // for every worker created afterwards.
    struct Timing
    {
        int stepMs = defaultStepMs;
        int windowMs = defaultWindowMs;
        int maxListenMs = defaultMaxListenMs;
    };
    void setTiming(const Timing &timing) { m_timing = timing; }
    static void setDefaultTiming(const Timing &timing);
    static Timing defaultTiming();

    // Whether another listening step follows, after elapsedMs of listening,
    // given whether datagrams came in the last step or are waiting now.
    static bool keepsListening(const Timing &timing, int elapsedMs, bool datagramsArriving);

private:
    void send();
    void listen();
    int readPendingDatagrams();
    void raiseReceiveBuffer();
    void deleteSocket();

    QUdpSocket *m_socket = nullptr;
    QVector<DatagramPacket> m_packets;
    int m_elapsed = 0;
    int m_lost = -1;
    Timing m_timing;
};
