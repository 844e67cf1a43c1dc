#include "CliSession.h"

#include "AppSettings.h"
#include "ClockRegistry.h"
#include "DataSender.h"
#include "DevClock.h"
#include "DeviceListLock.h"
#include "StateFile.h"
#include "StateLoad.h"

#include <QEventLoop>

CliSession::CliSession(ClockRegistry &registry, const CliInvocation &invocation, CliOutput &output,
                       bool progressOnTerminal)
    : m_registry(registry)
    , m_invocation(invocation)
    , m_output(output)
    , m_progress(std::make_unique<ProgressIndicator>(output.errorStream(), progressOnTerminal))
{
}

CliSession::~CliSession() = default;

int CliSession::loadState(Access access, Quietly quietly)
{
    if (access == Access::Write) {
        m_lock = std::make_unique<DeviceListLock>();
        if (!m_lock->tryLock()) {
            const QString failure = m_lock->failureText();
            m_lockHeldElsewhere = m_lock->isHeldElsewhere();
            m_lock.reset();
            if (m_lockHeldElsewhere && quietly == Quietly::Yes)
                return ExitFailed;
            return m_output.failed(failure);
        }
    }
    const StateLoad::Result loaded = StateLoad::load(m_registry);
    if (loaded.outcome == StateLoad::Outcome::Unreadable)
        return m_output.failed(loaded.message);
    return ExitSuccess;
}

bool CliSession::saveState()
{
    // A write without the lock could replace what another writer saved.
    if (!m_lock || !m_lock->isLocked()) {
        m_output.message(QStringLiteral("The device list was not loaded for writing; nothing was saved."));
        return false;
    }
    QString reason;
    if (saveDeviceList(m_registry, &reason))
        return true;
    m_output.message(QStringLiteral("Cannot write the device list %1: %2.").arg(AppSettings::stateFilePath(), reason));
    return false;
}

bool CliSession::findInterface(const QString &address, NetworkCardData &card)
{
    const QHostAddress wanted(address);
    for (const NetworkCardData &candidate : allNetworkCards()) {
        if (candidate.ip == wanted) {
            card = candidate;
            return true;
        }
    }
    return false;
}

bool CliSession::resolveTarget(const QString &ip, Target &target)
{
    target = Target();
    for (int i = 0; i < m_registry.clockCount(); ++i) {
        if (m_registry.clockAt(i)->network.ip == ip) {
            target.listed = m_registry.clockAt(i);
            target.index = i;
            break;
        }
    }

    DevClock scratch;
    if (target.listed) {
        scratch.firmware = target.listed->firmware;
        scratch.user = target.listed->user;
        scratch.password = target.listed->password;
        scratch.networkInterface = target.listed->networkInterface;
        scratch.id = target.listed->id;
    }
    scratch.network.ip = ip;
    if (m_invocation.hasOption(QStringLiteral("user")))
        scratch.user = m_invocation.option(QStringLiteral("user"));
    if (m_invocation.hasOption(QStringLiteral("password")))
        scratch.password = m_invocation.option(QStringLiteral("password"));
    if (m_invocation.hasOption(QStringLiteral("interface"))) {
        const QString address = m_invocation.option(QStringLiteral("interface"));
        if (!findInterface(address, scratch.networkInterface)) {
            m_output.message(QStringLiteral("No local network interface has the address %1.").arg(address));
            return false;
        }
    }
    target.target = SenderTarget::fromClock(scratch);
    return true;
}

CliSession::Outcome CliSession::runSender(DataSender *sender, const QString &label,
                                          const std::function<void(DataSender *)> &onEnd)
{
    QEventLoop loop;
    Outcome outcome = Outcome::Failed;
    auto end = [&](DataSender *ended, Outcome how) {
        outcome = how;
        if (onEnd)
            onEnd(ended);
        loop.quit();
    };
    QObject::connect(sender, &DataSender::updateProgress, m_progress.get(), &ProgressIndicator::setProgress);
    QObject::connect(sender, &DataSender::finished, &loop,
                     [&](DataSender *ended) { end(ended, Outcome::Finished); });
    QObject::connect(sender, &DataSender::error, &loop, [&](DataSender *ended) { end(ended, Outcome::Failed); });
    QObject::connect(sender, &DataSender::canceled, &loop,
                     [&](DataSender *ended) { end(ended, Outcome::Canceled); });
    m_progress->start(label);
    loop.exec();
    m_progress->finish();
    return outcome;
}
