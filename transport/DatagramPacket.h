#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QString>
#include <QVector>

// One received datagram and its sender.
struct DatagramPacket
{
    QString address; // QHostAddress::toString of the sender
    int port = 0;
    QByteArray data;
};
Q_DECLARE_METATYPE(DatagramPacket)
Q_DECLARE_METATYPE(QVector<DatagramPacket>)
