#pragma once

#include "operations/audit/AuditChecks.h"
#include "operations/audit/AuditFinding.h"
#include "operations/audit/AuditedClock.h"
#include "transport/ExchangeLane.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QTimeZone>
#include <QVector>

#include <algorithm>
#include <utility>

class ClockRegistry;
class Communication;
class DataSender;
class DevClock;

// Checks that clocks will keep the right time and still match their groups:
// downloads every selected clock's configuration through Communication (then
// a status read for a clock that uses NTP) and turns the answers into
// findings (AuditChecks). Clocks go through a window of window() at a time,
// each audited as its answers arrive and its configuration then dropped, so
// that a fleet of any size holds no more configurations than the window;
// only the listing and the findings are kept for every clock.
//
// Used like a sender: select, start, then exactly one of finished or
// canceled; updateProgress in between. A clock that cannot be read is a
// finding, not a failure, so there is no error signal.
class FleetAudit : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultHorizonMonths = 24;
    // Clocks under way at once unless set: more than the widest lane runs
    // (ExchangeSchedule::MaxBound), so its slots never wait for the audit,
    // and few enough that their configurations cost a few megabytes.
    static constexpr int DefaultWindow = 256;

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
    // At least 1; set before the start.
    void setWindow(int clocks) { m_window = std::max(clocks, 1); }
    int window() const { return m_window; }

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
    const QVector<AuditListing> &clocks() const { return m_clocks; }
    // Grouped by clock in list order; valid after finished.
    const QVector<AuditFinding> &findings() const { return m_findings; }
    // For each clock of clocks(), the positions in findings() of those with
    // its id and index, in order; valid after finished.
    QVector<QVector<int>> findingsByClock() const;
    // The most clocks under way at once in the last run, each holding at
    // most one configuration (its download's, then the copy that waits for
    // its status read); never more than the window.
    int mostClocksInFlight() const { return m_mostInFlight; }

signals:
    void updateProgress(double value);
    void finished(FleetAudit *audit);
    void canceled(FleetAudit *audit);

private slots:
    void onDownloadEnded(DataSender *sender);
    void onStatusEnded(DataSender *sender);

private:
    // Starts downloads until the window is full or every clock has begun.
    void fill();
    void readStatus(int slot, AuditedClock clock);
    // Keeps the clock's findings and frees its place in the window.
    void audit(int slot, AuditedClock clock);
    void complete();
    void reportProgress();
    void dropSenders();

    Communication &m_exchanges;
    QVector<AuditListing> m_clocks;
    // Each group's configuration once, and the one each clock is held to
    // (-1: none).
    QVector<ClockConfigFields> m_groupConfigs;
    QVector<int> m_groupOf;
    AuditChecks::Site m_site;
    // Per clock until the end, when they become findings() in list order.
    QVector<QVector<AuditFinding>> m_found;
    QVector<AuditFinding> m_findings;
    QTimeZone m_siteZone = QTimeZone::systemTimeZone();
    AuditChecks::FirmwareMinimums m_minimumFirmware;
    QDateTime m_referenceTime;
    int m_horizonMonths = DefaultHorizonMonths;
    bool m_running = false;

    ExchangeLane m_lane = ExchangeLane::User;
    int m_window = DefaultWindow;

    QHash<DataSender *, int> m_downloads; // running or queued, to the clock's slot
    // Running or queued, to the clock's slot and what it answered so far.
    QHash<DataSender *, std::pair<int, AuditedClock>> m_statusReads;
    int m_nextSlot = 0; // the next clock to download
    int m_inFlight = 0;
    int m_mostInFlight = 0;
    int m_downloadsDone = 0;
    int m_audited = 0;
};
