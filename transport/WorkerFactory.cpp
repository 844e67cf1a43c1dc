#include "transport/WorkerFactory.h"

#include "transport/Command.h"
#include "transport/CommandWWW.h"
#include "transport/NetworkParameters.h"
#include "transport/WWWParameters.h"
#include "transport/WorkerTcp.h"
#include "transport/WorkerThread.h"
#include "transport/WorkerUdp.h"
#include "transport/WorkerWWW.h"

std::unique_ptr<InterfaceParameters> makeParameters(DeviceInfo info, int interfaceType, const QString &user,
                                                    const QString &password, int firmware)
{
    const QHostAddress local =
        info.networkInterface.ip.isNull() ? QHostAddress(QHostAddress::AnyIPv4) : info.networkInterface.ip;
    switch (interfaceType) {
    case Www:
        return std::make_unique<WWWParameters>(info.address, local, user, password, firmware);
    case Tcp:
    case Udp:
        return std::make_unique<NetworkParameters>(info.address, static_cast<quint16>(info.port), interfaceType,
                                                   local);
    default:
        return nullptr;
    }
}

Worker *createWorker(Command &command, const InterfaceParameters &parameters)
{
    const auto *network = dynamic_cast<const NetworkParameters *>(&parameters);
    if (!network)
        return nullptr;
    const QByteArray body = command.isExternal() ? QByteArray() : command.payload();

    WorkerEthernet *worker = nullptr;
    switch (network->interfaceType()) {
    case Tcp: {
        auto *tcp = new WorkerTcp(network->address(), network->port(), body);
        tcp->setExpectedLength(command.expectedLength());
        tcp->setHandshake(command.handshake());
        tcp->setExternal(command.isExternal(), command.isExternal() ? &command : nullptr);
        worker = tcp;
        break;
    }
    case Udp:
        worker = new WorkerUdp(network->address(), network->port(), body);
        break;
    case Www: {
        const auto *www = dynamic_cast<const WWWParameters *>(network);
        const auto *wwwCommand = dynamic_cast<const CommandWWW *>(&command);
        worker = new WorkerWWW(network->address(), wwwCommand ? wwwCommand->path() : QString(), body,
                               www ? www->user() : QString(), www ? www->password() : QString(),
                               www ? www->firmware() : 0);
        break;
    }
    default:
        return nullptr;
    }
    worker->setLocalAddress(network->localAddress());
    return worker;
}

WorkerThread *makeWorkerThread(Command &command, std::unique_ptr<InterfaceParameters> parameters)
{
    if (!parameters)
        return nullptr;
    Worker *worker = createWorker(command, *parameters);
    if (!worker)
        return nullptr;
    return new WorkerThread(worker);
}
