#include "operations/audit/AuditFindingsModel.h"

#include <QHostAddress>

#include <algorithm>
#include <numeric>

AuditFindingsModel::AuditFindingsModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void AuditFindingsModel::setFindings(const QVector<AuditFinding> &findings)
{
    beginResetModel();
    m_findings = findings;
    endResetModel();
}

int AuditFindingsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_findings.size();
}

int AuditFindingsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString AuditFindingsModel::cellText(const AuditFinding &finding, int column) const
{
    switch (column) {
    case ClockColumn:
        return finding.clockName;
    case IpColumn:
        return finding.clockIp;
    case SeverityColumn:
        return AuditFinding::severityText(finding.severity);
    case KindColumn:
        return AuditFinding::kindText(finding.kind);
    case ReasonColumn:
        return finding.reason;
    default:
        return QString();
    }
}

QVariant AuditFindingsModel::sortKey(const AuditFinding &finding, int column) const
{
    switch (column) {
    case IpColumn: {
        bool ok = false;
        const quint32 address = QHostAddress(finding.clockIp).toIPv4Address(&ok);
        return ok ? QVariant(address) : QVariant(0u);
    }
    case SeverityColumn:
        return static_cast<int>(finding.severity);
    case KindColumn:
        return static_cast<int>(finding.kind);
    default:
        return cellText(finding, column);
    }
}

QVariant AuditFindingsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_findings.size() || index.column() >= ColumnCount)
        return QVariant();
    const AuditFinding &finding = m_findings.at(index.row());
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return cellText(finding, index.column());
    if (role == SortRole)
        return sortKey(finding, index.column());
    return QVariant();
}

QVariant AuditFindingsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case ClockColumn:
        return tr("Clock");
    case IpColumn:
        return tr("IP");
    case SeverityColumn:
        return tr("Severity");
    case KindColumn:
        return tr("Check");
    case ReasonColumn:
        return tr("Finding");
    default:
        return QVariant();
    }
}

void AuditFindingsModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    QVector<int> rows(m_findings.size());
    std::iota(rows.begin(), rows.end(), 0);
    const auto before = [&](int a, int b) {
        const QVariant ka = sortKey(m_findings.at(a), column);
        const QVariant kb = sortKey(m_findings.at(b), column);
        if (ka.type() == QVariant::String)
            return QString::localeAwareCompare(ka.toString(), kb.toString()) < 0;
        return ka.toLongLong() < kb.toLongLong();
    };
    // Stable, so sorting by one column after another keeps the earlier order
    // within equal values.
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
        return order == Qt::AscendingOrder ? before(a, b) : before(b, a);
    });

    QVector<AuditFinding> sorted;
    QVector<int> newRowOf(rows.size());
    for (int i = 0; i < rows.size(); ++i) {
        sorted.append(m_findings.at(rows.at(i)));
        newRowOf[rows.at(i)] = i;
    }
    m_findings = sorted;
    // A selection in the view follows its rows.
    const QModelIndexList oldIndexes = persistentIndexList();
    QModelIndexList newIndexes;
    for (const QModelIndex &old : oldIndexes)
        newIndexes.append(index(newRowOf.value(old.row()), old.column()));
    changePersistentIndexList(oldIndexes, newIndexes);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

QString AuditFindingsModel::copyText(const QList<int> &rows) const
{
    QList<int> chosen = rows;
    if (chosen.isEmpty()) {
        for (int row = 0; row < m_findings.size(); ++row)
            chosen.append(row);
    }
    std::sort(chosen.begin(), chosen.end());
    QStringList lines;
    QStringList header;
    for (int column = 0; column < ColumnCount; ++column)
        header << headerData(column, Qt::Horizontal).toString();
    lines << header.join(QLatin1Char('\t'));
    for (int row : qAsConst(chosen)) {
        if (row < 0 || row >= m_findings.size())
            continue;
        QStringList cells;
        for (int column = 0; column < ColumnCount; ++column) {
            // A tab or line break inside a cell would split it in a spreadsheet.
            QString cell = cellText(m_findings.at(row), column);
            for (QChar breaking : {QLatin1Char('\t'), QLatin1Char('\n'), QLatin1Char('\r')})
                cell.replace(breaking, QLatin1Char(' '));
            cells << cell;
        }
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
