#pragma once

#include <QDateTime>
#include <QString>
#include <QVector>

class ClockRegistry;
class DevClock;
class FleetAudit;

// The latest whole-fleet audit's findings, kept in a small private file in
// the data folder, so that the device list and `zentick-cli list` (another
// process) show them beside the live status until the next audit. Clocks are
// told apart by MAC where both sides know it, by address otherwise (clocks
// still sharing the factory address have no MAC on the list yet).
class AuditFindingsStore
{
public:
    struct Finding
    {
        int severity = 1; // AuditFinding::Severity: 1 warning, 2 critical
        QString kind;     // AuditFinding::kindKey
        QString text;     // as the auditing program's language wrote it
    };
    struct ClockFindings
    {
        QString ip;
        QString mac;
        QVector<Finding> findings;
    };

    // "audit-findings.json" in the data folder.
    static QString defaultPath();

    // Empty when the file is missing, too large or not one of ours.
    static AuditFindingsStore load(const QString &path = defaultPath());
    // The file's bytes; whatever they hold, a store (empty for anything not ours).
    static AuditFindingsStore fromJson(const QByteArray &data);
    QByteArray toJson() const;
    // The findings of an audit of every listed clock; MACs from the list.
    static AuditFindingsStore of(const FleetAudit &audit, const ClockRegistry &registry);
    // Atomically, readable by the owner only.
    bool save(const QString &path = defaultPath()) const;

    QDateTime auditedAt() const { return m_auditedAt; }
    QVector<Finding> findingsOf(const DevClock &clock) const;
    // 0 without findings.
    int worstSeverity(const DevClock &clock) const;
    // One finding a line, "Critical: NTP without any server".
    QString text(const DevClock &clock, const QString &separator = QStringLiteral("\n")) const;
    int criticalCount(const QList<DevClock *> &clocks) const;

    static QString severityText(int severity);

private:
    QDateTime m_auditedAt;
    QVector<ClockFindings> m_clocks;
};
