#include "operations/DiscoveryDatagram.h"

#include "transport/CommandDeviceInfo.h"
#include "model/DevClock.h"
#include "transport/DeviceInfo.h"
#include "values/MacText.h"
#include "values/NetworkCardData.h"
#include "transport/WorkerFactory.h"
#include "transport/WorkerThread.h"
#include "transport/WorkerUdp.h"

#include <QHostAddress>
#include <QStringList>

namespace {

// The length of the query itself: a datagram of this size is our own broadcast.
const int QueryLength = 4;
const int ItemHeaderLength = 2;
const int MarkerLength = 3;
const int PortLength = 2;
const int FirmwareLength = 2;
const int FirmwareMajorFactor = 100;

enum Tag : quint8 {
    TagMarker = 0,
    TagProductCode = 1,
    TagMac = 3,
    TagPort = 4,
    TagAuxAddress1 = 6,
    TagAuxAddress2 = 7,
    TagFirmware = 8,
    TagDeviceCode = 9,
    TagAuxNumber = 10,
};

QString macText(const QByteArray &value)
{
    QStringList groups;
    for (char byte : value)
        groups << QStringLiteral("%1").arg(quint8(byte), 2, 16, QLatin1Char('0')).toUpper();
    return groups.join(QLatin1Char('-'));
}

QHostAddress addressFromBytes(const QByteArray &value)
{
    QStringList numbers;
    for (char byte : value)
        numbers << QString::number(quint8(byte));
    return QHostAddress(numbers.join(QLatin1Char('.')));
}

// Applies one item; false when its value rejects the whole datagram.
bool applyItem(quint8 tag, const QByteArray &value, DeviceInfo &info)
{
    switch (tag) {
    case TagMarker:
        return value.size() >= MarkerLength && value.startsWith("QLX");
    case TagProductCode:
        info.productCode = QString::fromLatin1(value);
        return true;
    case TagMac:
        info.mac = macText(value);
        return true;
    case TagPort:
        if (value.size() < PortLength)
            return false;
        // Signed on purpose: 0x8000 and above read negative and make the record invalid.
        info.port = qint16((quint8(value.at(0)) << 8) | quint8(value.at(1)));
        return true;
    case TagAuxAddress1:
        info.auxAddress1 = addressFromBytes(value);
        return true;
    case TagAuxAddress2:
        info.auxAddress2 = addressFromBytes(value);
        return true;
    case TagFirmware:
        if (value.size() == FirmwareLength)
            info.firmware = quint8(value.at(0)) * FirmwareMajorFactor + quint8(value.at(1));
        return true;
    case TagDeviceCode:
        info.deviceCode = QString::fromLatin1(value);
        return true;
    case TagAuxNumber: {
        quint32 number = 0;
        for (char byte : value)
            number = (number << 8) | quint8(byte);
        info.auxNumber = number;
        return true;
    }
    default:
        return true;
    }
}

} // namespace

namespace DiscoveryDatagram {

bool parse(const QByteArray &datagram, const QString &senderAddress, DeviceInfo &info)
{
    if (datagram.size() == QueryLength)
        return false;
    if (!senderAddress.isEmpty())
        info.address = QHostAddress(senderAddress);

    const int size = datagram.size();
    int position = 0;
    while (position < size) {
        if (size - position < ItemHeaderLength)
            return false;
        const quint8 tag = quint8(datagram.at(position));
        const int length = quint8(datagram.at(position + 1));
        if (length > size - position - ItemHeaderLength)
            return false;
        if (!applyItem(tag, datagram.mid(position + ItemHeaderLength, length), info))
            return false;
        position += ItemHeaderLength + length;
    }
    return true;
}

WorkerThread *makeQuery(const NetworkCardData &card)
{
    DeviceInfo device;
    device.networkInterface = card;
    device.address = QHostAddress(QHostAddress::Broadcast);
    CommandDeviceInfo command;
    return makeWorkerThread(command, makeParameters(device, Udp, QString(), QString(), 0));
}

QVector<DeviceInfo> validReplies(Worker *worker, const NetworkCardData &card)
{
    QVector<DeviceInfo> replies;
    auto *udp = qobject_cast<WorkerUdp *>(worker);
    if (!udp)
        return replies;
    const QVector<DatagramPacket> packets = udp->packets();
    for (const DatagramPacket &packet : packets) {
        DeviceInfo info;
        // Only validity counts: a rejected reply that still gave an address and
        // a port is kept.
        parse(packet.data, packet.address, info);
        info.networkInterface = card;
        if (info.isValid())
            replies.append(info);
    }
    return replies;
}

int lostReplies(Worker *worker)
{
    auto *udp = qobject_cast<WorkerUdp *>(worker);
    return udp ? qMax(0, udp->lostDatagrams()) : 0;
}

DevClock *newClock(const DeviceInfo &info)
{
    auto *clock = new DevClock;
    clock->network.ip = info.address.toString();
    clock->network.port = info.port;
    clock->productCode = info.productCode;
    clock->firmware = info.firmware;
    clock->deviceCode = info.deviceCode;
    clock->mac = MacText::canonical(info.mac);
    clock->networkInterface = info.networkInterface;
    return clock;
}

} // namespace DiscoveryDatagram
