#include "session/AuditSchedule.h"

#include "core/AppSettings.h"
#include "session/AuditFindingsStore.h"
#include "operations/audit/FleetAudit.h"

AuditSchedule::AuditSchedule(ClockRegistry &registry, Communication &exchanges, QObject *parent)
    : QObject(parent)
    , m_registry(registry)
    , m_exchanges(exchanges)
    , m_siteZone(AppSettings::siteZone())
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &AuditSchedule::runNow);
}

AuditSchedule::~AuditSchedule() = default;

void AuditSchedule::start()
{
    m_active = true;
    m_timer.start(0);
}

void AuditSchedule::stop()
{
    m_active = false;
    m_timer.stop();
    if (m_audit)
        m_audit->cancel();
}

void AuditSchedule::runNow()
{
    if (m_audit)
        return;
    m_audit = std::make_unique<FleetAudit>(m_exchanges);
    m_audit->selectAllClocks(m_registry);
    m_audit->setSiteZone(m_siteZone);
    m_audit->setMinimumFirmware(AuditChecks::minimumFirmwareOf(AppSettings::minimumFirmware()));
    // Nobody waits for this one: a user's download at start-up goes first.
    m_audit->setLane(ExchangeLane::Probe);
    connect(m_audit.get(), &FleetAudit::finished, this, &AuditSchedule::onAuditFinished);
    connect(m_audit.get(), &FleetAudit::canceled, this, &AuditSchedule::onAuditCanceled);
    m_audit->start();
}

void AuditSchedule::onAuditFinished()
{
    // Released from the event loop: this runs inside the audit's own signal.
    FleetAudit *audit = m_audit.release();
    audit->deleteLater();
    record(*audit);
    emit audited(*audit);
    scheduleNext();
}

void AuditSchedule::onAuditCanceled()
{
    m_audit.release()->deleteLater();
    scheduleNext();
}

void AuditSchedule::scheduleNext()
{
    if (m_active && m_intervalMs > 0)
        m_timer.start(m_intervalMs);
}

bool AuditSchedule::record(const FleetAudit &audit)
{
    if (!AuditFindingsStore::of(audit, m_registry).save())
        return false;
    emit findingsChanged();
    return true;
}
