#include "transport/TransportMetaTypes.h"

#include "transport/DatagramPacket.h"
#include "transport/DeviceInfo.h"
#include "values/Error.h"
#include "values/NetworkCardData.h"
#include "transport/Worker.h"

#include <QMetaType>
#include <QSharedPointer>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED
#include <QNetworkSession>
QT_WARNING_POP

void registerTransportMetaTypes()
{
    qRegisterMetaType<Error>("Error");
    qRegisterMetaType<NetworkCardData>("NetworkCardData");
    qRegisterMetaType<DeviceInfo>("DeviceInfo");
    qRegisterMetaType<DatagramPacket>("DatagramPacket");
    qRegisterMetaType<QVector<DatagramPacket>>("QVector<DatagramPacket>");
    qRegisterMetaType<Worker *>("Worker*");
    // Every socket looks this type up when it connects. Registered lazily,
    // the first connections of several workers at once each register its
    // conversion to QObject*, and the toolkit warns "Type conversion already
    // registered" on standard error; here, on the GUI thread, it happens once.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    qMetaTypeId<QSharedPointer<QNetworkSession>>();
    QT_WARNING_POP
}
