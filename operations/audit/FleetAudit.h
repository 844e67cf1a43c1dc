#pragma once

#include "operations/audit/AuditChecks.h"
#include "operations/audit/AuditFinding.h"
#include "operations/audit/AuditedClock.h"
#include "transport/ExchangeLane.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimeZone>
#include <QVector>

class ClockRegistry;
class Communication;
class DataSender;
class DevClock;

// Checks that clocks will keep the right time and still match their groups:
// downloads every selected clock's configuration through Communication (one
// queued download per clock, then one status read for the clocks that use
// NTP) and turns the answers into findings (AuditChecks).
//
// Used like a sender: select, start, then exactly one of finished or
// canceled; updateProgress in between. A clock that cannot be read is a
// finding, not a failure, so there is no error signal.
class FleetAudit : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultHorizonMonths = 24;

    // Reads the clocks through exchanges, which outlive the audit.
    explicit FleetAudit(Communication &exchanges, QObject *parent = nullptr);
    // Takes back the downloads still queued.
    ~FleetAudit() override;

    // What to audit, copied from the list at once: clocks removed or groups
    // edited while the audit runs do not change it.
    void selectAllClocks(const ClockRegistry &registry);
    // False when there is no such group.
    bool selectGroup(const ClockRegistry &registry, int groupIndex);
    // Clocks of the list.
    void selectClocks(const ClockRegistry &registry, const QList<DevClock *> &clocks);

    // The site's real zone; the system's zone unless set.
    void setSiteZone(const QTimeZone &zone) { m_siteZone = zone; }
    // The lowest firmware per model; none unless set.
    void setMinimumFirmware(const AuditChecks::FirmwareMinimums &minimums) { m_minimumFirmware = minimums; }
    // The lane of the audit's exchanges; an audit no user waits for runs in
    // the probe lane, behind the user's own operations.
    void setLane(ExchangeLane lane) { m_lane = lane; }
    // The start of the span the daylight-saving check covers; the start of
    // the audit unless set.
    void setReferenceTime(const QDateTime &time) { m_referenceTime = time.toUTC(); }
    void setHorizonMonths(int months) { m_horizonMonths = months; }

    void start();
    // Takes the queued downloads back and ends with canceled at once; the one
    // already running ends by itself and is ignored.
    void cancel();

    bool isRunning() const { return m_running; }
    QTimeZone siteZone() const { return m_siteZone; }
    const AuditChecks::FirmwareMinimums &minimumFirmware() const { return m_minimumFirmware; }
    QDateTime referenceTime() const { return m_referenceTime; }
    // The end of the span the daylight-saving check covers.
    QDateTime spanEnd() const { return m_referenceTime.addMonths(m_horizonMonths); }
    const QVector<AuditedClock> &clocks() const { return m_clocks; }
    // Grouped by clock in list order; valid after finished.
    const QVector<AuditFinding> &findings() const { return m_findings; }

signals:
    void updateProgress(double value);
    void finished(FleetAudit *audit);
    void canceled(FleetAudit *audit);

private slots:
    void onDownloadEnded(DataSender *sender);
    void onStatusEnded(DataSender *sender);

private:
    void readStatuses();
    void complete();
    void reportProgress();
    void dropSenders();

    Communication &m_exchanges;
    QVector<AuditedClock> m_clocks;
    QVector<AuditFinding> m_findings;
    QTimeZone m_siteZone = QTimeZone::systemTimeZone();
    AuditChecks::FirmwareMinimums m_minimumFirmware;
    QDateTime m_referenceTime;
    int m_horizonMonths = DefaultHorizonMonths;
    bool m_running = false;

    QHash<DataSender *, int> m_downloads; // running or queued, to the clock's slot
    int m_downloadsDone = 0;
    QPointer<DataSender> m_statusSender;
    ExchangeLane m_lane = ExchangeLane::User;
    QVector<int> m_statusSlots; // the clock slot of each status target
    double m_statusProgress = 0.0;
};
