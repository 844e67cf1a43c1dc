#pragma once

#include "tools/clocksim/SimClock.h"

#include <QHostAddress>
#include <QJsonObject>
#include <QString>
#include <QVector>

// Reads the clock file ({"clocks": [ {...}, ... ]}) or makes clocks from a
// count and a first address. Errors name the clock and the field.
class ClockFileLoader
{
public:
    static bool loadFile(const QString& path, QVector<SimClock>* clocks, QString* error);
    static bool loadJson(const QByteArray& json, QVector<SimClock>* clocks, QString* error);
    // count clocks from firstIp upwards, or all on firstIp when sameAddress.
    static bool generate(int count, const QHostAddress& firstIp, bool sameAddress,
                         QVector<SimClock>* clocks, QString* error);

    // Changes the status values the object names, leaving the others.
    static bool readStatus(const QJsonValue& value, SimStatus* status, QString* error);

private:
    static bool readClock(const QJsonObject& object, int index, SimClock* clock, QString* error);
};
