#pragma once

#include "tools/clocksim/ClockFaults.h"

#include <QByteArray>
#include <QHostAddress>
#include <QJsonObject>
#include <QMap>
#include <QString>
#include <QVector>

// One alarm slot. Values stay the text they were written as, so a read gives
// back exactly what a write stored.
struct SimAlarm
{
    QString active = QStringLiteral("0");
    QString time = QStringLiteral("00:00");
    QString duration = QStringLiteral("0");
    bool selectedDays = false;
    QString dayMask = QStringLiteral("0");
};

// Starting point of the measured values of the status reply; the simulator
// lets them drift around it as time passes.
struct SimStatus
{
    double temperature = 21.5;    // degrees Celsius before offset and unit
    int brightness = 50;          // light level when the display brightness is "Auto"
    QString signal = QStringLiteral("X");
    QString errorCode = QStringLiteral("noEr");
    QString lastSync;             // fixed sync text; empty: the clock syncs every query interval
    bool remoteMode = false;
};

// Everything one simulated clock is and knows. Settings are kept by parameter
// code with the text last written, the way the clock's own firmware would.
class SimClock
{
public:
    SimClock();

    QHostAddress ip;
    QByteArray mac;               // six bytes
    QString productCode;
    int firmware = 100;           // hundredths: 305 is 3.05
    QString deviceCode;
    quint16 port = 2101;
    // The device-information reply's layout: false "MODEL&CODE&MAC&1&FW",
    // true "F&MODEL&CODE&MAC&FW&PORT" (clocks that order the fields otherwise).
    bool taggedInfoLayout = false;
    QString user;
    QString password;
    QString name;
    QMap<QString, QString> network; // D codes except the address and the name
    QMap<QString, QString> time;    // A codes
    QMap<QString, QString> display; // B codes
    QVector<SimAlarm> alarms;
    SimStatus status;
    ClockFaults faults;

    QString macText() const;     // "HH-HH-HH-HH-HH-HH"
    QString firmwareText() const; // "3.05"
    QJsonObject toJson() const;

    static bool parseMac(const QString& text, QByteArray* mac);
};
