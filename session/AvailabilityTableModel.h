#pragma once

#include "session/AvailabilityReport.h"

#include <QAbstractTableModel>
#include <QVector>

// The availability figures of one report as rows of a table: the groups
// with the site as their last row, or the clocks. Texts as the CLI writes
// them; SortRole orders a column by its value, with "nothing counted"
// below every figure.
class AvailabilityTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum class Scope { Groups, Clocks };
    enum class Field { Name, Ip, Group, Clocks, Answering, Synchronised, Incidents, Longest, Recovery, Quiet };
    static constexpr int SortRole = Qt::UserRole + 1;

    explicit AvailabilityTableModel(Scope scope, QObject *parent = nullptr);

    void setResult(const AvailabilityReport::Result &result);
    void clear();
    Field field(int column) const { return m_fields.value(column); }
    // The row that adds up the whole site, kept below the groups in any order.
    bool isSiteRow(int row) const { return m_siteRow >= 0 && row == m_siteRow; }

    // "99.80 %"; "-" when no time was counted.
    static QString shareText(double share);
    // Hours and minutes, "26:05"; "-" for none.
    static QString durationText(qint64 secs);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QString text(const AvailabilityReport::Figures &f, Field field) const;
    QVariant sortValue(const AvailabilityReport::Figures &f, Field field) const;

    Scope m_scope;
    QVector<Field> m_fields;
    QList<AvailabilityReport::Figures> m_rows;
    int m_siteRow = -1;
};
