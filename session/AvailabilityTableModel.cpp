#include "session/AvailabilityTableModel.h"

#include <QCoreApplication>

namespace {

using Figures = AvailabilityReport::Figures;
using Field = AvailabilityTableModel::Field;

// The headings the CLI's table uses, and their translations with them.
const char *const headingContext = "ReportCommands";

const char *heading(Field field, AvailabilityTableModel::Scope scope)
{
    switch (field) {
    case Field::Name:
        return scope == AvailabilityTableModel::Scope::Groups ? QT_TRANSLATE_NOOP("ReportCommands", "Group")
                                                              : QT_TRANSLATE_NOOP("ReportCommands", "Clock");
    case Field::Ip: return QT_TRANSLATE_NOOP("ReportCommands", "IP");
    case Field::Group: return QT_TRANSLATE_NOOP("ReportCommands", "Group");
    case Field::Clocks: return QT_TRANSLATE_NOOP("ReportCommands", "Clocks");
    case Field::Answering: return QT_TRANSLATE_NOOP("ReportCommands", "Answering");
    case Field::Synchronised: return QT_TRANSLATE_NOOP("ReportCommands", "Synchronised");
    case Field::Incidents: return QT_TRANSLATE_NOOP("ReportCommands", "Incidents");
    case Field::Longest: return QT_TRANSLATE_NOOP("ReportCommands", "Longest");
    case Field::Recovery: return QT_TRANSLATE_NOOP("ReportCommands", "MTTR");
    case Field::Quiet: return QT_TRANSLATE_NOOP("ReportCommands", "Quiet");
    }
    return "";
}

QString translated(const char *text)
{
    return QCoreApplication::translate(headingContext, text);
}

} // namespace

AvailabilityTableModel::AvailabilityTableModel(Scope scope, QObject *parent)
    : QAbstractTableModel(parent)
    , m_scope(scope)
{
    m_fields << Field::Name;
    if (scope == Scope::Groups)
        m_fields << Field::Clocks;
    else
        m_fields << Field::Ip << Field::Group;
    m_fields << Field::Answering << Field::Synchronised << Field::Incidents << Field::Longest << Field::Recovery
             << Field::Quiet;
}

QString AvailabilityTableModel::shareText(double share)
{
    return share < 0 ? QStringLiteral("-") : QStringLiteral("%1 %").arg(share * 100.0, 0, 'f', 2);
}

QString AvailabilityTableModel::durationText(qint64 secs)
{
    if (secs < 0)
        return QStringLiteral("-");
    const qint64 minutes = secs / 60;
    return QStringLiteral("%1:%2").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

void AvailabilityTableModel::setResult(const AvailabilityReport::Result &result)
{
    beginResetModel();
    m_rows = m_scope == Scope::Groups ? result.groups : result.clocks;
    m_siteRow = -1;
    if (m_scope == Scope::Groups) {
        m_siteRow = int(m_rows.size());
        m_rows.append(result.site);
    }
    endResetModel();
}

void AvailabilityTableModel::clear()
{
    beginResetModel();
    m_rows.clear();
    m_siteRow = -1;
    endResetModel();
}

int AvailabilityTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int AvailabilityTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_fields.size());
}

QString AvailabilityTableModel::text(const Figures &f, Field field) const
{
    switch (field) {
    case Field::Name:
        if (m_scope != Scope::Groups || !f.name.isEmpty())
            return f.name;
        // The site's row is the last; a group without a name holds the clocks of none.
        return translated(&f == &m_rows.constLast() && m_siteRow >= 0 ? QT_TRANSLATE_NOOP("ReportCommands", "Site")
                                                                      : QT_TRANSLATE_NOOP("ReportCommands", "(no group)"));
    case Field::Ip: return f.ip;
    case Field::Group: return f.group;
    case Field::Clocks: return QString::number(f.clocks);
    case Field::Answering: return shareText(f.answeringShare());
    case Field::Synchronised: return shareText(f.synchronisedShare());
    case Field::Incidents: return QString::number(f.incidents);
    case Field::Longest: return durationText(f.incidents > 0 ? f.longestIncidentSecs : -1);
    case Field::Recovery: return durationText(f.meanRecoverySecs());
    case Field::Quiet: return durationText(f.quietSecs);
    }
    return {};
}

QVariant AvailabilityTableModel::sortValue(const Figures &f, Field field) const
{
    switch (field) {
    case Field::Name:
    case Field::Ip:
    case Field::Group: return text(f, field);
    case Field::Clocks: return f.clocks;
    case Field::Answering: return f.answeringShare();
    case Field::Synchronised: return f.synchronisedShare();
    case Field::Incidents: return f.incidents;
    case Field::Longest: return f.longestIncidentSecs;
    case Field::Recovery: return f.meanRecoverySecs();
    case Field::Quiet: return f.quietSecs;
    }
    return {};
}

QVariant AvailabilityTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size() || index.column() >= m_fields.size())
        return {};
    const Figures &f = m_rows.at(index.row());
    const Field which = m_fields.at(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole: return text(f, which);
    case SortRole: return sortValue(f, which);
    case Qt::TextAlignmentRole:
        return which == Field::Name || which == Field::Ip || which == Field::Group
            ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
            : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default: return {};
    }
}

QVariant AvailabilityTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_fields.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return translated(heading(m_fields.at(section), m_scope));
    return {};
}
