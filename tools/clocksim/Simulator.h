#pragma once

#include "tools/clocksim/ClockEndpoints.h"
#include "tools/clocksim/HttpRequestParser.h"
#include "tools/clocksim/RequestLog.h"
#include "tools/clocksim/SimClock.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QVector>

// How one HTTP request is to be answered.
struct HttpDecision
{
    enum class Delivery { Close, Normal, Silent, Drop, Endless };
    Delivery delivery = Delivery::Close;
    QByteArray reply;        // status line, headers and body (Normal), head only (Endless)
    int delayMs = 0;
    int trickleGapMs = 0;
    int tricklePieces = 1;
};

// The simulated clocks and what they answer. Dispatch is by the local address
// a request arrived at: the first clock in list order that holds it (unless
// one has stepped back after refusing a request, see ClockFaults).
class Simulator : public QObject
{
    Q_OBJECT

public:
    explicit Simulator(const QVector<SimClock>& clocks, QObject* parent = nullptr);

    const QVector<SimClock>& clocks() const { return m_clocks; }
    RequestLog& log() { return m_log; }

    // -1 when no clock holds the address (or all that do are moving).
    int clockAt(const QHostAddress& address) const;
    // Addresses that accept HTTP connections: those whose dispatch clock does not refuse.
    QList<QHostAddress> listeningAddresses() const;

    HttpDecision handleHttp(const QHostAddress& local, const QHostAddress& peer, quint16 peerPort,
                            const HttpRequestParser& request);
    HttpDecision handleBadRequest(const QHostAddress& local, const QHostAddress& peer, quint16 peerPort,
                                  HttpRequestParser::State state);

    // Clocks that answer a discovery query sent to this destination address.
    QList<int> discoveryAnswerers(const QHostAddress& destination) const;
    QByteArray discoveryReply(int clock) const;
    // One accepted HTTP connection, from its start to its end: what shows
    // whether two exchanges with one address ever overlapped.
    void logConnection(const QHostAddress& local, const QHostAddress& peer, quint16 peerPort,
                       const QDateTime& opened);
    void logDiscovery(const QHostAddress& destination, const QHostAddress& peer, quint16 peerPort,
                      const QByteArray& data, const QList<int>& answered);

    SimMoment moment() const;
    void setFixedTime(const QDateTime& time); // invalid: real time again

    // Back to the clocks as loaded; moves in progress are forgotten.
    void reset();
    bool setFaults(int clock, const QJsonObject& faults, QString* error);
    bool setStatus(int clock, const QJsonObject& status, QString* error);
    // The clock leaves its address for this one at once, as after a new DHCP lease.
    bool moveTo(int clock, const QString& address, QString* error);
    QJsonObject state() const;

    static QByteArray httpReply(int status, const QByteArray& body);

signals:
    void addressesChanged();

private:
    void moveClock(int clock, const QHostAddress& address);
    QJsonObject httpLogEntry(int clock, const QHostAddress& local, const QHostAddress& peer, quint16 peerPort) const;

    QVector<SimClock> m_initial;
    QVector<SimClock> m_clocks;
    QVector<bool> m_moving;
    // Dispatch rank at a shared address: lower answers first, then list order.
    // A clock that steps back after a refusal gets a rank behind all others.
    QVector<quint64> m_rank;
    quint64 m_lastRank = 0;
    quint64 m_generation = 0; // bumped by reset so that pending moves lapse
    QElapsedTimer m_uptime;
    QDateTime m_fixedTime;
    RequestLog m_log;
    // Clocks by IPv4 address, rebuilt after an address changed.
    mutable QHash<quint32, QVector<int>> m_byAddress;
    mutable bool m_addressesChanged = true;
};
