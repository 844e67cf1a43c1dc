#include "operations/audit/FleetAudit.h"

#include "operations/audit/AuditChecks.h"
#include "model/ClockRegistry.h"
#include "operations/Communication.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "operations/GetConfigurationSender.h"
#include "operations/GetStatusSender.h"

#include <QPointer>
#include <QTimer>

namespace {

constexpr int modeNtp = 2;
// The poller hands raw replies to the status parser the same way.
constexpr int noStatusCode = 0;
// The exchanges behind each clock: three for the download, one for the
// status read, which a clock that does not use NTP counts as done when audited.
constexpr int downloadExchanges = 3;
constexpr int exchangesPerClock = downloadExchanges + 1;

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
    m_groupConfigs.clear();
    m_groupOf.clear();
    m_clocks.reserve(clocks.size());
    m_groupOf.reserve(clocks.size());
    QHash<const DevGroup *, int> configOfGroup;
    for (const DevClock *clock : clocks) {
        AuditListing audited;
        audited.id = clock->id;
        audited.index = registry.indexOfClock(clock);
        audited.name = clock->name;
        audited.ip = clock->network.ip;
        audited.model = clock->productCode;
        audited.firmware = clock->firmware;
        audited.target = SenderTarget::fromClock(*clock);
        int groupConfig = -1;
        if (const DevGroup *group = registry.groupOfClock(clock)) {
            audited.groupName = group->name();
            if (group->hasConfig()) {
                const auto known = configOfGroup.constFind(group);
                if (known != configOfGroup.constEnd()) {
                    groupConfig = known.value();
                } else {
                    groupConfig = m_groupConfigs.size();
                    m_groupConfigs.append(static_cast<const ClockConfigFields &>(*group->config()));
                    configOfGroup.insert(group, groupConfig);
                }
            }
        }
        m_clocks.append(audited);
        m_groupOf.append(groupConfig);
    }
}

QVector<QVector<int>> FleetAudit::findingsByClock() const
{
    // Findings come grouped by clock, but a clock listed twice shares its id
    // and index with its twin, and each must show the findings of both.
    QHash<QPair<quint64, int>, QVector<int>> byKey;
    for (int i = 0; i < m_findings.size(); ++i)
        byKey[qMakePair(m_findings.at(i).clockId, m_findings.at(i).clockIndex)].append(i);
    QVector<QVector<int>> result;
    result.reserve(m_clocks.size());
    for (const AuditListing &clock : m_clocks)
        result.append(byKey.value(qMakePair(clock.id, clock.index)));
    return result;
}

void FleetAudit::start()
{
    if (m_running)
        return;
    m_running = true;
    m_findings.clear();
    m_found = QVector<QVector<AuditFinding>>(m_clocks.size());
    m_nextSlot = 0;
    m_inFlight = 0;
    m_mostInFlight = 0;
    m_downloadsDone = 0;
    m_audited = 0;
    if (!m_referenceTime.isValid())
        m_referenceTime = QDateTime::currentDateTimeUtc();
    m_site = AuditChecks::Site{QString::fromUtf8(m_siteZone.id()),
                               OffsetTimeline::ofZone(m_siteZone, m_referenceTime, spanEnd()), m_minimumFirmware};
    if (m_clocks.isEmpty()) {
        // Ends from the event loop, as a sender would.
        QTimer::singleShot(0, this, &FleetAudit::complete);
        return;
    }
    fill();
}

void FleetAudit::fill()
{
    // In list order: the pool runs the window's downloads side by side, and
    // a status poll that comes in meanwhile waits its turn like any other
    // operation.
    while (m_running && m_inFlight < m_window && m_nextSlot < m_clocks.size()) {
        const int slot = m_nextSlot++;
        DataSender *sender = m_exchanges.getConfiguration(m_clocks.at(slot).target);
        sender->setLane(m_lane);
        m_downloads.insert(sender, slot);
        ++m_inFlight;
        m_mostInFlight = std::max(m_mostInFlight, m_inFlight);
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
    m_found.clear();
    emit canceled(this);
}

void FleetAudit::dropSenders()
{
    // Disconnected first: a sender that has not started ends at once when
    // taken back, and that must not reach the slots.
    QList<QPointer<DataSender>> senders;
    for (auto it = m_downloads.cbegin(); it != m_downloads.cend(); ++it)
        senders.append(it.key());
    for (auto it = m_statusReads.cbegin(); it != m_statusReads.cend(); ++it)
        senders.append(it.key());
    m_downloads.clear();
    m_statusReads.clear();
    m_inFlight = 0;
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

    AuditedClock clock;
    static_cast<AuditListing &>(clock) = m_clocks.at(slot);
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
    if (clock.downloaded && clock.config.Mode == modeNtp) {
        reportProgress();
        // Right after the download: what the clock says of its time source now.
        readStatus(slot, std::move(clock));
    } else {
        audit(slot, std::move(clock));
    }
}

void FleetAudit::readStatus(int slot, AuditedClock clock)
{
    GetStatusSender *sender = m_exchanges.getStatus({clock.target});
    sender->setLane(m_lane);
    m_statusReads.insert(sender, {slot, std::move(clock)});
    connect(sender, &DataSender::finished, this, &FleetAudit::onStatusEnded);
    connect(sender, &DataSender::error, this, &FleetAudit::onStatusEnded);
    connect(sender, &DataSender::canceled, this, &FleetAudit::onStatusEnded);
}

void FleetAudit::onStatusEnded(DataSender *sender)
{
    const auto found = m_statusReads.find(sender);
    if (found == m_statusReads.end())
        return;
    const int slot = found.value().first;
    AuditedClock clock = std::move(found.value().second);
    m_statusReads.erase(found);
    if (sender->result() == DataSender::Canceled) {
        cancel();
        return;
    }
    const auto *status = static_cast<GetStatusSender *>(sender);
    clock.statusAsked = true;
    if (status->succeeded().value(0)) {
        DevClock scratch;
        if (scratch.parseStatus(QString::fromUtf8(status->replies().value(0)), noStatusCode))
            clock.status = scratch.status;
        else
            clock.statusError = scratch.lastError;
    } else {
        const Error error = status->errors().value(0, NoError);
        clock.statusError = error != NoError ? error : ConnectionError;
    }
    audit(slot, std::move(clock));
}

void FleetAudit::audit(int slot, AuditedClock clock)
{
    // Joined for the check alone: the group's configuration is held once.
    if (const int groupConfig = m_groupOf.at(slot); groupConfig >= 0)
        clock.groupConfig = m_groupConfigs.at(groupConfig);
    m_found[slot] = AuditChecks::check(clock, m_site);
    ++m_audited;
    --m_inFlight;
    reportProgress();
    if (m_audited == m_clocks.size())
        complete();
    else
        fill();
}

void FleetAudit::reportProgress()
{
    const double total = double(m_clocks.size()) * exchangesPerClock;
    const double done = double(m_downloadsDone) * downloadExchanges + m_audited;
    if (total > 0)
        emit updateProgress(std::min(done / total, 1.0));
}

void FleetAudit::complete()
{
    if (!m_running)
        return;
    int count = 0;
    for (const QVector<AuditFinding> &found : qAsConst(m_found))
        count += found.size();
    m_findings.clear();
    m_findings.reserve(count);
    for (QVector<AuditFinding> &found : m_found) {
        for (AuditFinding &finding : found)
            m_findings.append(std::move(finding));
    }
    m_found.clear();
    m_running = false;
    emit updateProgress(1.0);
    emit finished(this);
}
