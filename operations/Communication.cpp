#include "operations/Communication.h"

#include "operations/CommandBodies.h"
#include "transport/CommandWWW.h"
#include "operations/CommissioningSender.h"
#include "operations/ConflictResolver.h"
#include "model/DevClock.h"
#include "operations/DeviceFinder.h"
#include "operations/GetConfigurationSender.h"
#include "operations/GetStatusSender.h"
#include "operations/RefreshStatusSender.h"
#include "operations/SenderPool.h"
#include "operations/SetConfigurationSender.h"
#include "operations/SetNetworkSender.h"
#include "operations/SimpleSender.h"
#include "transport/TransportMetaTypes.h"

#include <QVector>

Communication::Communication(QObject *parent)
    : QObject(parent)
    , m_pool(new SenderPool(this))
{
    registerTransportMetaTypes();
    qRegisterMetaType<QVector<DevClock *>>("QVector<DevClock*>");
    qRegisterMetaType<DataSender *>("DataSender*");
    qRegisterMetaType<SenderTarget>("SenderTarget");
}

Communication::~Communication()
{
    // The senders withdraw from the workers, which go after them.
    delete m_pool;
}

template<typename T> T *Communication::queue(T *sender)
{
    sender->setWorkers(&m_workers);
    m_pool->add(sender);
    return sender;
}

DeviceFinder *Communication::findDevices(const QString &user, const QString &password, const ClockRegistry &listed)
{
    return queue(new DeviceFinder(user, password, listed));
}

GetConfigurationSender *Communication::getConfiguration(const SenderTarget &target)
{
    return queue(new GetConfigurationSender(target));
}

SetConfigurationSender *Communication::setConfiguration(const ClockConfig &config, const QList<SenderTarget> &targets)
{
    return queue(new SetConfigurationSender(config, targets));
}

GetStatusSender *Communication::getStatus(const QList<SenderTarget> &targets)
{
    return queue(new GetStatusSender(targets));
}

RefreshStatusSender *Communication::refreshStatus(const SenderTarget &target)
{
    return queue(new RefreshStatusSender(target));
}

SimpleSender *Communication::setName(const SenderTarget &target, const QString &name)
{
    auto *sender = new SimpleSender({target});
    sender->setCommand(std::make_unique<CommandWWW>(WriteName, CommandBodies::name(name)));
    return queue(sender);
}

SetNetworkSender *Communication::setNetwork(const SenderTarget &target, const ClockNetworkSettings &settings)
{
    auto *sender = new SetNetworkSender({target});
    sender->setCommand(std::make_unique<CommandWWW>(WriteNetwork, CommandBodies::network(settings)));
    return queue(sender);
}

SimpleSender *Communication::setPassword(const SenderTarget &target, const QString &oldPassword,
                                         const QString &newPassword)
{
    auto *sender = new SimpleSender({target});
    sender->setCommand(
        std::make_unique<CommandWWW>(WritePassword, CommandBodies::password(oldPassword, newPassword)));
    return queue(sender);
}

CommissioningSender *Communication::commission(const QVector<CommissioningTarget> &targets, bool renameFromPlan,
                                               const ClockIntake &listing)
{
    return queue(new CommissioningSender(targets, renameFromPlan, listing));
}

ConflictResolver *Communication::resolveConflicts(const QString &user, const QString &password, const QString &firstIp,
                                                  const QString &firstMac)
{
    return queue(new ConflictResolver(user, password, firstIp, firstMac));
}

bool Communication::cancel(DataSender *sender)
{
    return m_pool->remove(sender);
}
