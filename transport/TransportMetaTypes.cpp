#include "TransportMetaTypes.h"

#include "DatagramPacket.h"
#include "DeviceInfo.h"
#include "Error.h"
#include "NetworkCardData.h"
#include "Worker.h"

#include <QMetaType>

void registerTransportMetaTypes()
{
    qRegisterMetaType<Error>("Error");
    qRegisterMetaType<NetworkCardData>("NetworkCardData");
    qRegisterMetaType<DeviceInfo>("DeviceInfo");
    qRegisterMetaType<DatagramPacket>("DatagramPacket");
    qRegisterMetaType<QVector<DatagramPacket>>("QVector<DatagramPacket>");
    qRegisterMetaType<Worker *>("Worker*");
}
