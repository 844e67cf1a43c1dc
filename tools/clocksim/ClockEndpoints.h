#pragma once

#include "tools/clocksim/SimClock.h"

#include <QByteArray>
#include <QDateTime>
#include <QHostAddress>

// The clock's answer to one authenticated request, before faults shape its delivery.
struct EndpointReply
{
    int status = 200;
    QByteArray body;
    bool moves = false;       // the clock takes newAddress once it has answered
    QHostAddress newAddress;
};

// The moment a reply is made: the clock's wall time and how long it has run,
// which drives the drifting status values.
struct SimMoment
{
    QDateTime now;
    qint64 elapsedMs = 0;
};

// What the clock answers on each path, and what a write changes. Pure: the
// caller owns the clock and decides how the reply travels.
class ClockEndpoints
{
public:
    static EndpointReply handle(SimClock& clock, const QByteArray& path, const QByteArray& body,
                                const SimMoment& moment);

    static QByteArray statusReply(const SimClock& clock, const SimMoment& moment);
    static QByteArray firmwareReply(const SimClock& clock);
    static QByteArray networkReply(const SimClock& clock);
    static QByteArray timeReply(const SimClock& clock);
    static QByteArray displayReply(const SimClock& clock);
    static QByteArray alarmReply(const SimClock& clock);
    static QByteArray notFoundPage(const QByteArray& path);

private:
    static void applySettings(QMap<QString, QString>& settings, const QStringList& codes, const QByteArray& body);
    static void applyAlarms(SimClock& clock, const QByteArray& body);
    static EndpointReply applyNetwork(SimClock& clock, const QByteArray& body);
    static EndpointReply applyPassword(SimClock& clock, const QByteArray& body);
    static EndpointReply applyMac(SimClock& clock, const QByteArray& body);
};
