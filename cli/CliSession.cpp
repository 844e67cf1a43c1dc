#include "cli/CliSession.h"

#include "core/AppSettings.h"
#include "model/ClockRegistry.h"
#include "operations/DataSender.h"
#include "model/DevClock.h"
#include "session/DeviceListLock.h"
#include "persistence/EventJournal.h"
#include "persistence/OperatorRecorder.h"
#include "persistence/StateFile.h"
#include "session/StateLoad.h"

#include <QCoreApplication>

#include <algorithm>
#include <QEventLoop>
#include <QFileInfo>

CliSession::CliSession(ClockRegistry &registry, Communication &exchanges, NotificationSettings &alerts,
                       const CliInvocation &invocation, CliOutput &output, bool progressOnTerminal)
    : m_registry(registry)
    , m_exchanges(exchanges)
    , m_alerts(alerts)
    , m_invocation(invocation)
    , m_output(output)
    , m_progress(std::make_unique<ProgressIndicator>(output.errorStream(), progressOnTerminal))
{
}

CliSession::~CliSession() = default;

bool CliSession::recordedChanges()
{
    if (!m_operators || m_operators->flush())
        return true;
    m_output.message(QStringLiteral("The change is made, but the history could not be written: %1")
                         .arg(m_journal->problem()));
    return false;
}

void CliSession::recordChange(const QString &ip, const OperatorChange &change)
{
    if (!m_operators) {
        m_journal = std::make_unique<EventJournal>(EventJournal::defaultFolder());
        m_operators = std::make_unique<OperatorRecorder>(*m_journal);
    }
    const QList<DevClock *> clocks = m_registry.clocks();
    const auto listed = std::find_if(clocks.cbegin(), clocks.cend(),
                                     [&ip](const DevClock *clock) { return clock->network.ip == ip; });
    m_operators->record(ip, listed != clocks.cend() ? (*listed)->name : QString(),
                        listed != clocks.cend() ? m_registry.groupNameOf(**listed) : QString(), change);
}

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
    const StateLoad::Result loaded = StateLoad::load(m_registry, m_alerts);
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
    if (saveDeviceList(m_registry, m_alerts, &reason))
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

QList<int> CliSession::listedClocks(const QString &handle, QString &failure) const
{
    QList<int> found;
    const QString mac = m_invocation.option(QStringLiteral("mac"));
    bool isNumber = false;
    const int number = handle.toInt(&isNumber);
    if (isNumber) {
        const DevClock *clock = m_registry.clockAt(number);
        if (!clock)
            failure = QStringLiteral("No clock number %1 is on the device list.").arg(handle);
        else if (!mac.isEmpty() && clock->mac != mac)
            failure = QStringLiteral("Clock number %1 does not have the MAC %2.").arg(handle, mac);
        else
            found << number;
        return found;
    }
    for (int i = 0; i < m_registry.clockCount(); ++i) {
        const DevClock *clock = m_registry.clockAt(i);
        if ((handle.isEmpty() || clock->network.ip == handle) && (mac.isEmpty() || clock->mac == mac))
            found << i;
    }
    if (found.isEmpty() && !mac.isEmpty()) {
        failure = handle.isEmpty() ? QStringLiteral("No clock with the MAC %1 is on the device list.").arg(mac)
                                   : QStringLiteral("No clock with the MAC %1 is listed at %2.").arg(mac, handle);
    }
    return found;
}

int CliSession::findListed(const QString &handle, QList<int> &named, Several several)
{
    QString failure;
    named = listedClocks(handle, failure);
    if (!failure.isEmpty())
        return m_output.failed(failure);
    if (named.isEmpty())
        return m_output.failed(
            QCoreApplication::translate("ClockCommands", "No clock with the address %1 is on the device list.")
                .arg(handle));
    if (named.size() > 1 && several == Several::Refused)
        return ambiguous(handle, named);
    return ExitSuccess;
}

int CliSession::ambiguous(const QString &ip, const QList<int> &clocks)
{
    m_output.message(QStringLiteral("%1 clocks on the device list have the address %2; name one by its number "
                                    "or with --mac:")
                         .arg(clocks.size())
                         .arg(ip));
    for (int index : clocks) {
        const DevClock *clock = m_registry.clockAt(index);
        m_output.message(QStringLiteral("  %1  %2  %3")
                             .arg(index)
                             .arg(clock->mac.isEmpty() ? QStringLiteral("(no MAC)") : clock->mac, clock->name));
    }
    m_output.message(CliCommandLine::tryHelp(m_invocation.commandName));
    return ExitUsage;
}

int CliSession::requireInputFile(const QString &path)
{
    if (QFileInfo::exists(path))
        return ExitSuccess;
    return usageError(QStringLiteral("%1: %2: %3")
                          .arg(m_invocation.commandName, path, QCoreApplication::translate("XmlFile", "no such file")));
}

int CliSession::usageError(const QString &reason)
{
    m_output.message(QStringLiteral("zentick-cli: ") + reason);
    m_output.message(CliCommandLine::tryHelp(m_invocation.commandName));
    return ExitUsage;
}

int CliSession::findTarget(const QString &handle, Target &target)
{
    target = Target();
    QString failure;
    const QList<int> listed = listedClocks(handle, failure);
    if (!failure.isEmpty())
        return m_output.failed(failure);
    if (listed.size() > 1)
        return ambiguous(handle, listed);
    if (!listed.isEmpty()) {
        target.index = listed.constFirst();
        target.listed = m_registry.clockAt(target.index);
    }
    const QString ip = target.listed ? target.listed->network.ip : handle;
    target.ip = ip;

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
        if (!findInterface(address, scratch.networkInterface))
            return m_output.failed(QStringLiteral("No local network interface has the address %1.").arg(address));
    }
    target.target = SenderTarget::fromClock(scratch);
    return ExitSuccess;
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
