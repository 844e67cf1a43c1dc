#pragma once

#include "tools/clocksim/HttpRequestParser.h"
#include "tools/clocksim/Simulator.h"

#include <QDateTime>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

// One accepted connection: reads one request, lets the simulator decide, and
// delivers the reply in the shape the clock's faults ask for. Deletes itself
// when the connection is gone.
class HttpConnection : public QObject
{
    Q_OBJECT

public:
    HttpConnection(QTcpSocket* socket, Simulator* simulator, QObject* parent = nullptr);

    static void setRequestTimeoutMs(int ms);

private:
    void onReadyRead();
    void onBytesWritten();
    void onTimer();
    void deliver(const HttpDecision& decision);
    void writeNextPiece();
    void finish();

    QTcpSocket* m_socket;
    QPointer<Simulator> m_simulator;
    // For the connection's log entry, which is written when it ends.
    QHostAddress m_local;
    QHostAddress m_peer;
    quint16 m_peerPort = 0;
    QDateTime m_opened;
    bool m_finished = false;
    HttpRequestParser m_parser;
    QTimer m_timer;
    bool m_answered = false;
    bool m_endless = false;
    QByteArray m_pending;   // reply bytes still to be written (delayed or trickled)
    int m_piecesLeft = 0;
    int m_gapMs = 0;
};
