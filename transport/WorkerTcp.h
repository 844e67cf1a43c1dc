#pragma once

#include "transport/WorkerEthernet.h"

class Command;
class QTcpSocket;

// One raw exchange over TCP: connect, send the payload (optionally as a
// 4-byte head answered by AA AA, then the rest), then read until the expected
// length is in or the read time-out has passed. Only the error flag reports
// failure.
class WorkerTcp : public WorkerEthernet
{
    Q_OBJECT

public:
    static constexpr int defaultConnectTimeoutMs = 3000;
    static constexpr int defaultReadTimeoutMs = 3000;
    static constexpr int defaultPollIntervalMs = 50;
    static constexpr int defaultWriteWaitMs = 50;
    static constexpr int handshakeHeadSize = 4;
    static constexpr int handshakeReplySize = 2;
    static constexpr char handshakeAccept = static_cast<char>(0xAA);

    WorkerTcp(const QHostAddress &remoteAddress, quint16 port, const QByteArray &payload);
    ~WorkerTcp() override;

    // -1: read until the time-out.
    void setExpectedLength(int length) { m_expectedLength = length; }
    int expectedLength() const { return m_expectedLength; }
    void setHandshake(bool handshake) { m_handshake = handshake; }
    bool handshake() const { return m_handshake; }
    // With the flag set the worker keeps the command, which must then outlive
    // the worker.
    void setExternal(bool external, Command *command);
    Command *command() const { return m_command; }

    QByteArray data() const override { return m_received; }
    void open() override;
    void connectOrBind() override;
    void transfer() override;
    void close() override;

    // Only tests shorten these.
    void setTimeouts(int connectTimeoutMs, int readTimeoutMs);

public slots:
    void disconnected();

private:
    void connectToPeer();
    void send(const QByteArray &block);
    void receive(int wantedLength);
    void deleteSocket();

    QTcpSocket *m_socket = nullptr;
    bool m_handshake = false;
    bool m_external = false;
    Command *m_command = nullptr;
    QByteArray m_received;
    int m_expectedLength = -1;
    int m_elapsed = 0;
    int m_pollInterval = defaultPollIntervalMs;
    int m_readTimeout = defaultReadTimeoutMs;
    int m_connectTimeout = defaultConnectTimeoutMs;
    int m_writeWait = defaultWriteWaitMs;
};
