#pragma once

#include "values/NetworkCardData.h"

#include <QHostAddress>
#include <QMetaType>
#include <QString>

// How to reach one clock, as discovery reports it. The aux fields and the baud
// rate are carried along and read by nobody.
struct DeviceInfo
{
    // The clock records' default raw TCP port.
    static constexpr qint16 defaultPort = 2101;
    static constexpr int defaultBaudRate = 9600;

    NetworkCardData networkInterface;
    QHostAddress address;
    qint16 port = defaultPort;
    QString mac;
    QHostAddress auxAddress1;
    QHostAddress auxAddress2;
    QString productCode;
    quint32 auxNumber = 0;
    int firmware = 0; // hundredths: 305 = 3.05
    QString deviceCode;
    QString auxText;
    int baudRate = defaultBaudRate;

    bool isValid() const { return !address.isNull() && port > 0; }
};
Q_DECLARE_METATYPE(DeviceInfo)
