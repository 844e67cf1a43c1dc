#pragma once

#include <QObject>
#include <QTimeZone>
#include <QTimer>

#include <memory>

class ClockRegistry;
class Communication;
class FleetAudit;

// Audits every listed clock when started and then once a day in the
// background, and keeps the findings (AuditFindingsStore) for the device
// list and `zentick-cli list`. Audits run elsewhere over the whole list (the
// window's Check clocks, the monitor's mailed daily audit) are kept through
// record() the same way.
class AuditSchedule : public QObject
{
    Q_OBJECT

public:
    static constexpr int defaultIntervalMs = 24 * 60 * 60 * 1000;

    // Audits the clocks of this list through exchanges; both outlive the schedule.
    AuditSchedule(ClockRegistry &registry, Communication &exchanges, QObject *parent = nullptr);
    ~AuditSchedule() override;

    // The stored site zone (or the computer's) unless set.
    void setSiteZone(const QTimeZone &zone) { m_siteZone = zone; }
    // 0: only the audit at start.
    void setIntervalMs(int ms) { m_intervalMs = ms; }

    // The first audit from the event loop, then one every interval.
    void start();
    // No further audit; the running one is taken back.
    void stop();
    bool isAuditing() const { return m_audit != nullptr; }

    // Keeps the findings of an audit of every listed clock; false when the
    // file could not be written.
    bool record(const FleetAudit &audit);

public slots:
    void runNow();

signals:
    // The kept findings changed (this program wrote them).
    void findingsChanged();
    // An audit of every listed clock ended; the audit lives until the event loop turns.
    void audited(const FleetAudit &audit);

private slots:
    void onAuditFinished();
    void onAuditCanceled();

private:
    void scheduleNext();

    ClockRegistry &m_registry;
    Communication &m_exchanges;
    QTimeZone m_siteZone;
    int m_intervalMs = defaultIntervalMs;
    bool m_active = false;
    QTimer m_timer;
    std::unique_ptr<FleetAudit> m_audit;
};
