#include "session/ClockListModel.h"

#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "model/QuietPeriod.h"

#include <QDateTime>

#include <algorithm>

namespace {

// Dotted IPv4 text as a number; anything else after every address. Read
// without allocating: a sort asks for it twice per comparison.
QVariant addressKey(const QString &ip)
{
    constexpr quint64 notAnAddress = quint64(1) << 32;
    quint64 key = 0;
    uint octet = 0;
    int digits = 0;
    int dots = 0;
    for (const QChar c : ip) {
        if (c.isDigit() && c.unicode() < 128 && digits < 3) {
            octet = octet * 10 + uint(c.unicode() - '0');
            ++digits;
        } else if (c == QLatin1Char('.') && digits > 0 && octet <= 255 && dots < 3) {
            key = key << 8 | octet;
            octet = 0;
            digits = 0;
            ++dots;
        } else {
            return notAnAddress;
        }
    }
    if (dots != 3 || digits == 0 || octet > 255)
        return notAnAddress;
    return (key << 8) | octet;
}

} // namespace

ClockListModel::ClockListModel(ClockRegistry &registry, QObject *parent)
    : QAbstractTableModel(parent)
    , m_registry(registry)
{
    m_changes.setSingleShot(true);
    m_changes.setInterval(changeDelayMs);
    connect(&m_changes, &QTimer::timeout, this, &ClockListModel::flushChanges);
    // Changes gathered so far are announced before the rows renumber.
    connect(&registry, &ClockRegistry::clockAboutToBeAdded, this, [this](int index) {
        flushChanges();
        beginInsertRows(QModelIndex(), index, index);
    });
    connect(&registry, &ClockRegistry::clockAdded, this, [this] { endInsertRows(); });
    connect(&registry, &ClockRegistry::clockAboutToBeRemoved, this, [this](int index) {
        flushChanges();
        beginRemoveRows(QModelIndex(), index, index);
    });
    connect(&registry, &ClockRegistry::clockRemoved, this, [this] { endRemoveRows(); });
    connect(&registry, &ClockRegistry::clockChanged, this, &ClockListModel::rowChanged);
    // A renamed or removed group renames the cells of its members.
    connect(&registry, &ClockRegistry::groupsChanged, this,
            [this] { announceRows(0, rowCount() - 1, GroupColumn, GroupColumn); });
    connect(&registry, &ClockRegistry::aboutToBeCleared, this, [this] {
        m_changedRows.clear();
        beginResetModel();
    });
    connect(&registry, &ClockRegistry::cleared, this, [this] { endResetModel(); });
}

DevClock *ClockListModel::clockAt(const QModelIndex &index) const
{
    return index.isValid() && index.model() == this ? m_registry.clockAt(index.row()) : nullptr;
}

void ClockListModel::setAuditFindings(const AuditFindingsStore &findings)
{
    m_findings = findings;
    announceRows(0, rowCount() - 1, AuditColumn, AuditColumn);
}

void ClockListModel::rowChanged(int row)
{
    m_changedRows.insert(row);
    if (!m_changes.isActive())
        m_changes.start();
}

void ClockListModel::flushChanges()
{
    m_changes.stop();
    if (m_changedRows.isEmpty())
        return;
    QList<int> rows = m_changedRows.values();
    m_changedRows.clear();
    std::sort(rows.begin(), rows.end());
    // A few rows one by one, so a view repaints just them; more as the one
    // range that holds them: a proxy then checks each row of it once, where
    // a signal per row would make it move rows and relayout per row.
    if (rows.size() > rowsAnnouncedOneByOne) {
        announceRows(rows.constFirst(), rows.constLast(), 0, ColumnCount - 1);
        return;
    }
    for (int row : qAsConst(rows))
        announceRows(row, row, 0, ColumnCount - 1);
}

void ClockListModel::announceRows(int first, int last, int firstColumn, int lastColumn)
{
    if (first <= last)
        emit dataChanged(index(first, firstColumn), index(last, lastColumn));
}

QString ClockListModel::quietLine(const QuietPeriod &period)
{
    if (!period.on)
        return QString();
    if (period.weekly) {
        return period.until.isValid()
            ? tr("Quiet hours until %1").arg(period.until.toString(QStringLiteral("yyyy-MM-dd hh:mm")))
            : tr("Quiet hours all week");
    }
    return period.until.isValid()
        ? tr("Muted until %1").arg(period.until.toString(QStringLiteral("yyyy-MM-dd hh:mm")))
        : tr("Muted until unmuted");
}

QString ClockListModel::quietHoursLine(const QuietHours &hours)
{
    if (hours.isEmpty())
        return QString();
    return hours.isValid() ? tr("Quiet hours: %1").arg(hours.toText())
                           : tr("Quiet hours not understood, not obeyed: %1").arg(hours.toText());
}

QString ClockListModel::statusCellText(const DevClock &clock, const QuietPeriod &quietPeriod)
{
    // Given a third line (the last status update), the view would elide the
    // second one however wide the column; the whole text is in the tool tip
    // and for screen readers. A quiet clock says so where its second line would be.
    const QString status = clock.statusText();
    const QString quiet = quietLine(quietPeriod);
    return quiet.isEmpty() ? status.section(QLatin1Char('\n'), 0, statusLines - 1)
                           : status.section(QLatin1Char('\n'), 0, 0) + QLatin1Char('\n') + quiet;
}

QString ClockListModel::statusFullText(const DevClock &clock, const QuietPeriod &quietPeriod)
{
    QStringList lines{quietLine(quietPeriod), quietHoursLine(clock.quietHours), clock.statusText()};
    lines.removeAll(QString());
    return lines.join(QLatin1Char('\n'));
}

int ClockListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_registry.clockCount();
}

int ClockListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ClockListModel::data(const QModelIndex &index, int role) const
{
    const DevClock *clock = clockAt(index);
    if (!clock)
        return QVariant();
    const int column = index.column();
    switch (column) {
    case NameColumn:
        if (role == Qt::DisplayRole || role == SortRole)
            return clock->name;
        break;
    case IpColumn:
        if (role == Qt::DisplayRole)
            return clock->network.ip;
        if (role == SortRole)
            return addressKey(clock->network.ip);
        break;
    case StatusColumn:
        if (role == Qt::DisplayRole)
            return statusCellText(*clock, m_registry.quietPeriodOf(*clock, QDateTime::currentDateTime()));
        if (role == Qt::ToolTipRole || role == Qt::AccessibleTextRole)
            return statusFullText(*clock, m_registry.quietPeriodOf(*clock, QDateTime::currentDateTime()));
        if (role == SeverityRole || role == SortRole)
            return clock->ntpSeverity();
        break;
    case AuditColumn: {
        // Beside the live status, what the latest audit found: the worst
        // severity, every finding in the tool tip.
        if (role == Qt::DisplayRole || role == SeverityRole) {
            const int worst = m_findings.worstSeverity(*clock);
            if (worst <= 0)
                return role == SeverityRole ? QVariant() : QVariant(QString());
            return role == SeverityRole ? QVariant(worst) : QVariant(AuditFindingsStore::severityText(worst));
        }
        if (role == SortRole)
            return m_findings.worstSeverity(*clock);
        if (role == Qt::ToolTipRole)
            return m_findings.text(*clock);
        if (role == Qt::AccessibleTextRole) {
            const QString findings = m_findings.text(*clock);
            return findings.isEmpty() ? tr("No audit findings") : findings;
        }
        break;
    }
    case FirmwareColumn:
        if (role == Qt::DisplayRole)
            return clock->firmwareText();
        if (role == SortRole)
            return clock->firmware;
        break;
    case GroupColumn:
        if (role == Qt::DisplayRole || role == SortRole || role == Qt::AccessibleTextRole) {
            const DevGroup *group = m_registry.groupAt(clock->groupId);
            return group ? group->name() : tr("None");
        }
        if (role == Qt::EditRole)
            return m_registry.groupAt(clock->groupId) ? clock->groupId + 1 : 0;
        if (role == Qt::AccessibleDescriptionRole)
            return tr("Group of %1").arg(clock->name);
        if (role == ChoicesRole) {
            QStringList names{tr("None")};
            for (const DevGroup *group : m_registry.groups())
                names << group->name();
            return names;
        }
        break;
    case ManageColumn:
        if (role == Qt::AccessibleDescriptionRole)
            return tr("Left and Right choose a button, Space presses it; the context menu lists the same actions");
        if (role == SortRole)
            return index.row();
        break;
    default:
        break;
    }
    return QVariant();
}

QVariant ClockListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case NameColumn:
        return tr("Name");
    case IpColumn:
        return tr("IP");
    case StatusColumn:
        return tr("Status");
    case AuditColumn:
        return tr("Audit");
    case FirmwareColumn:
        return tr("Firmware");
    case GroupColumn:
        return tr("Group");
    case ManageColumn:
        return tr("Manage");
    default:
        return QVariant();
    }
}

Qt::ItemFlags ClockListModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.column() == GroupColumn)
        flags |= Qt::ItemIsEditable;
    return flags;
}
