#pragma once

#include "session/AuditFindingsStore.h"

#include <QAbstractTableModel>
#include <QSet>
#include <QTimer>

class ClockRegistry;
class DevClock;
class QuietHours;
struct QuietPeriod;

// The clock list as rows of a table, one row per listed clock in the list's
// order (a row is its clock's index). It follows the list's announcements:
// a clock added or removed is one row inserted or removed, a clock changed
// is dataChanged of that one row, gathered for changeDelayMs: a sorted or
// filtered view moves rows and repaints once for all the clocks a poll
// round changed meanwhile (more than a few announced as the one range that
// holds them), not once for each. Texts only; how a severity looks (its
// icon) is the view's business, read from SeverityRole.
class ClockListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        NameColumn,
        IpColumn,
        StatusColumn,
        AuditColumn,
        FirmwareColumn,
        GroupColumn,
        ManageColumn,
        ColumnCount
    };
    enum Role {
        // A value that orders the column as a reader expects: addresses by
        // number, the status and the audit by severity.
        SortRole = Qt::UserRole + 1,
        // Status column: DevClock::ntpSeverity(); audit column: the worst
        // finding's severity, invalid without findings.
        SeverityRole,
        // Group column: "None" followed by the group names; its EditRole is
        // the index into them (group index + 1).
        ChoicesRole,
    };
    // The status cell shows two lines: state, then server and time (or the quiet period).
    static constexpr int statusLines = 2;
    static constexpr int changeDelayMs = 50;
    static constexpr int rowsAnnouncedOneByOne = 8;

    explicit ClockListModel(ClockRegistry &registry, QObject *parent = nullptr);

    ClockRegistry &registry() const { return m_registry; }
    // nullptr for an index outside the list.
    DevClock *clockAt(const QModelIndex &index) const;
    // The latest audit's findings, shown in the audit column.
    void setAuditFindings(const AuditFindingsStore &findings);
    const AuditFindingsStore &auditFindings() const { return m_findings; }
    // Announces the clocks changed since the last announcement now.
    void flushChanges();

    // The status cell's texts: what the row shows, and in full.
    static QString statusCellText(const DevClock &clock, const QuietPeriod &quietPeriod);
    static QString statusFullText(const DevClock &clock, const QuietPeriod &quietPeriod);
    // "Muted until 2026-12-08 18:00", or "Muted until unmuted"; empty when not quiet.
    static QString quietLine(const QuietPeriod &period);
    // "Quiet hours: Mon-Fri 22:00-06:00 (Europe/Berlin)"; empty for none.
    static QString quietHoursLine(const QuietHours &hours);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // The group column is editable: a view may offer ChoicesRole to choose from.
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    void announceRows(int first, int last, int firstColumn, int lastColumn);
    void rowChanged(int row);

    ClockRegistry &m_registry;
    AuditFindingsStore m_findings;
    QSet<int> m_changedRows;
    QTimer m_changes;
};
