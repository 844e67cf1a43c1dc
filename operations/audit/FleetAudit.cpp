#include "operations/audit/FleetAudit.h"

#include "operations/audit/AuditChecks.h"
#include "model/ClockRegistry.h"
#include "operations/Communication.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "operations/GetConfigurationSender.h"
#include "operations/GetStatusSender.h"

#include <QTimer>

namespace {

constexpr int modeNtp = 2;
// The poller hands raw replies to the status parser the same way.
constexpr int noStatusCode = 0;
// The exchanges behind each step: three for a download, one per status.
constexpr int downloadExchanges = 3;

} // namespace

FleetAudit::FleetAudit(Communication &exchanges, QObject *parent)
    : QObject(parent)
    , m_exchanges(exchanges)
{
    qRegisterMetaType<AuditFinding>("AuditFinding");
}

FleetAudit::~FleetAudit()
{
    dropSenders();
}

void FleetAudit::selectAllClocks(const ClockRegistry &registry)
{
    selectClocks(registry, registry.clocks());
}

bool FleetAudit::selectGroup(const ClockRegistry &registry, int groupIndex)
{
    const DevGroup *group = registry.groupAt(groupIndex);
    if (!group)
        return false;
    QList<DevClock *> members;
    for (int index : group->clockIndexes()) {
        if (DevClock *clock = registry.clockAt(index))
            members.append(clock);
    }
    selectClocks(registry, members);
    return true;
}

void FleetAudit::selectClocks(const ClockRegistry &registry, const QList<DevClock *> &clocks)
{
    m_clocks.clear();
    for (const DevClock *clock : clocks) {
        AuditedClock audited;
        audited.id = clock->id;
        audited.index = registry.indexOfClock(clock);
        audited.name = clock->name;
        audited.ip = clock->network.ip;
        audited.model = clock->productCode;
        audited.firmware = clock->firmware;
        audited.target = SenderTarget::fromClock(*clock);
        if (const DevGroup *group = registry.groupOfClock(clock)) {
            audited.groupName = group->name();
            if (group->hasConfig())
                audited.groupConfig = static_cast<const ClockConfigFields &>(*group->config());
        }
        m_clocks.append(audited);
    }
}

void FleetAudit::start()
{
    if (m_running)
        return;
    m_running = true;
    m_findings.clear();
    m_downloadsDone = 0;
    m_statusProgress = 0.0;
    if (!m_referenceTime.isValid())
        m_referenceTime = QDateTime::currentDateTimeUtc();
    if (m_clocks.isEmpty()) {
        // Ends from the event loop, as a sender would.
        QTimer::singleShot(0, this, &FleetAudit::complete);
        return;
    }
    // All queued at once: the pool runs them one after the other, and a status
    // poll that comes in meanwhile waits its turn like any other operation.
    for (int slot = 0; slot < m_clocks.size(); ++slot) {
        DataSender *sender = m_exchanges.getConfiguration(m_clocks.at(slot).target);
        sender->setLane(m_lane);
        m_downloads.insert(sender, slot);
        connect(sender, &DataSender::finished, this, &FleetAudit::onDownloadEnded);
        connect(sender, &DataSender::error, this, &FleetAudit::onDownloadEnded);
        connect(sender, &DataSender::canceled, this, &FleetAudit::onDownloadEnded);
    }
}

void FleetAudit::cancel()
{
    if (!m_running)
        return;
    dropSenders();
    m_running = false;
    emit canceled(this);
}

void FleetAudit::dropSenders()
{
    // Disconnected first: a sender that has not started ends at once when
    // taken back, and that must not reach the slots.
    QList<QPointer<DataSender>> senders;
    for (auto it = m_downloads.cbegin(); it != m_downloads.cend(); ++it)
        senders.append(it.key());
    if (m_statusSender)
        senders.append(m_statusSender);
    m_downloads.clear();
    m_statusSender = nullptr;
    for (const QPointer<DataSender> &sender : qAsConst(senders)) {
        if (!sender)
            continue;
        disconnect(sender, nullptr, this, nullptr);
        m_exchanges.cancel(sender);
    }
}

void FleetAudit::onDownloadEnded(DataSender *sender)
{
    const auto found = m_downloads.constFind(sender);
    if (found == m_downloads.constEnd())
        return;
    const int slot = found.value();
    m_downloads.erase(found);
    if (sender->result() == DataSender::Canceled) {
        // Someone else took it back: what is left would be no audit of the list.
        cancel();
        return;
    }

    AuditedClock &clock = m_clocks[slot];
    auto *download = static_cast<GetConfigurationSender *>(sender);
    if (sender->result() == DataSender::Succeeded && download->allPartsDecoded()) {
        clock.downloaded = true;
        clock.config = static_cast<const ClockConfigFields &>(download->downloadedClock()->config());
    } else {
        clock.error = sender->result() == DataSender::Succeeded ? IncorrectData : sender->errorCode();
        if (clock.error == NoError)
            clock.error = ConnectionError;
    }
    ++m_downloadsDone;
    reportProgress();
    if (m_downloads.isEmpty())
        readStatuses();
}

void FleetAudit::readStatuses()
{
    QList<SenderTarget> targets;
    m_statusSlots.clear();
    for (int slot = 0; slot < m_clocks.size(); ++slot) {
        const AuditedClock &clock = m_clocks.at(slot);
        if (clock.downloaded && clock.config.Mode == modeNtp) {
            targets.append(clock.target);
            m_statusSlots.append(slot);
        }
    }
    if (targets.isEmpty()) {
        complete();
        return;
    }
    m_statusSender = m_exchanges.getStatus(targets);
    m_statusSender->setLane(m_lane);
    connect(m_statusSender, &DataSender::updateProgress, this, [this](double value) {
        m_statusProgress = value;
        reportProgress();
    });
    connect(m_statusSender, &DataSender::finished, this, &FleetAudit::onStatusEnded);
    connect(m_statusSender, &DataSender::error, this, &FleetAudit::onStatusEnded);
    connect(m_statusSender, &DataSender::canceled, this, &FleetAudit::onStatusEnded);
}

void FleetAudit::onStatusEnded(DataSender *sender)
{
    if (sender != m_statusSender)
        return;
    m_statusSender = nullptr;
    if (sender->result() == DataSender::Canceled) {
        cancel();
        return;
    }
    const auto *status = static_cast<GetStatusSender *>(sender);
    const QVector<bool> succeeded = status->succeeded();
    const QVector<Error> errors = status->errors();
    const QVector<QByteArray> replies = status->replies();
    for (int i = 0; i < m_statusSlots.size(); ++i) {
        AuditedClock &clock = m_clocks[m_statusSlots.at(i)];
        clock.statusAsked = true;
        if (i >= succeeded.size() || !succeeded.at(i)) {
            clock.statusError = i < errors.size() && errors.at(i) != NoError ? errors.at(i) : ConnectionError;
            continue;
        }
        DevClock scratch;
        if (scratch.parseStatus(QString::fromUtf8(replies.at(i)), noStatusCode))
            clock.status = scratch.status;
        else
            clock.statusError = scratch.lastError;
    }
    complete();
}

void FleetAudit::reportProgress()
{
    // The status reads are counted as one exchange per clock until it is
    // known how many there are; the figure can only grow.
    const int statusExchanges = m_statusSender ? m_statusSlots.size() : m_clocks.size();
    const double total = double(m_clocks.size()) * downloadExchanges + statusExchanges;
    const double done = double(m_downloadsDone) * downloadExchanges + m_statusProgress * statusExchanges;
    if (total > 0)
        emit updateProgress(std::min(done / total, 1.0));
}

void FleetAudit::complete()
{
    if (!m_running)
        return;
    const AuditChecks::Site site{QString::fromUtf8(m_siteZone.id()),
                                 OffsetTimeline::ofZone(m_siteZone, m_referenceTime, spanEnd()), m_minimumFirmware};
    m_findings.clear();
    for (const AuditedClock &clock : qAsConst(m_clocks))
        m_findings += AuditChecks::check(clock, site);
    m_running = false;
    emit updateProgress(1.0);
    emit finished(this);
}
