#pragma once

#include "operations/audit/AuditFinding.h"

#include <QAbstractTableModel>
#include <QVector>

// The findings of an audit as a table a view can show, sort (by clicking a
// header: the model sorts itself) and copy. Severity sorts by weight and the
// address by its numeric value, not as text.
class AuditFindingsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { ClockColumn, IpColumn, SeverityColumn, KindColumn, ReasonColumn, ColumnCount };
    // The value a column sorts by.
    static constexpr int SortRole = Qt::UserRole;

    explicit AuditFindingsModel(QObject *parent = nullptr);

    void setFindings(const QVector<AuditFinding> &findings);
    const QVector<AuditFinding> &findings() const { return m_findings; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // The given rows (all rows when none) as tab-separated lines under a
    // header line, in the order shown: what a spreadsheet pastes as a table.
    QString copyText(const QList<int> &rows = {}) const;

private:
    QVariant sortKey(const AuditFinding &finding, int column) const;
    QString cellText(const AuditFinding &finding, int column) const;

    QVector<AuditFinding> m_findings;
};
