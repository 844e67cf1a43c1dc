#pragma once

#include "transport/DeviceInfo.h"

#include <QMetaType>
#include <QString>

class DevClock;

// One clock to talk to: where it is, how to log in, and which listed clock it
// stands for.
struct SenderTarget
{
    DeviceInfo device;
    QString user;
    QString password;
    quint64 clockId = 0;
    // Sends no Authorization header: asks whether a clock answers at all.
    bool withoutCredentials = false;

    // Address, firmware and interface from the clock; every other device field
    // keeps its default.
    static SenderTarget fromClock(const DevClock &clock);
};
Q_DECLARE_METATYPE(SenderTarget)
