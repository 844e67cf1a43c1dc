#include "session/ClockListFilter.h"

#include "session/ClockListModel.h"

ClockListFilter::ClockListFilter(ClockListModel &clocks, QObject *parent)
    : QSortFilterProxyModel(parent)
    , m_clocks(clocks)
{
    setSourceModel(&clocks);
    setSortRole(ClockListModel::SortRole);
}

void ClockListFilter::setFilter(const QString &text, bool problemsOnly)
{
    m_filter.setText(text);
    m_filter.setProblemsOnly(problemsOnly);
    // One layout change rather than a removal per run of hidden rows: on a
    // long list whose matches are scattered, the view would relayout for each.
    invalidate();
}

int ClockListFilter::clockIndex(const QModelIndex &index) const
{
    const QModelIndex source = index.model() == this ? mapToSource(index) : QModelIndex();
    return source.isValid() ? source.row() : -1;
}

bool ClockListFilter::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    if (sourceParent.isValid())
        return false;
    const DevClock *clock = m_clocks.clockAt(m_clocks.index(sourceRow, 0));
    return clock && m_filter.accepts(*clock);
}

bool ClockListFilter::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const QVariant a = left.data(sortRole());
    const QVariant b = right.data(sortRole());
    int order = 0;
    if (a.type() == QVariant::String && b.type() == QVariant::String) {
        order = naturalCompare(a.toString(), b.toString());
    } else {
        const qlonglong x = a.toLongLong();
        const qlonglong y = b.toLongLong();
        order = x < y ? -1 : x > y ? 1 : 0;
    }
    // Equal keys keep the list's order, so a re-sort never shuffles them.
    return order != 0 ? order < 0 : left.row() < right.row();
}

int ClockListFilter::naturalCompare(const QString &a, const QString &b)
{
    int i = 0;
    int j = 0;
    while (i < a.size() && j < b.size()) {
        if (a.at(i).isDigit() && b.at(j).isDigit()) {
            // Leading zeros do not count; then the longer run is the larger number.
            while (i < a.size() && a.at(i) == QLatin1Char('0'))
                ++i;
            while (j < b.size() && b.at(j) == QLatin1Char('0'))
                ++j;
            int endA = i;
            int endB = j;
            while (endA < a.size() && a.at(endA).isDigit())
                ++endA;
            while (endB < b.size() && b.at(endB).isDigit())
                ++endB;
            if (endA - i != endB - j)
                return endA - i < endB - j ? -1 : 1;
            for (; i < endA; ++i, ++j) {
                if (a.at(i) != b.at(j))
                    return a.at(i) < b.at(j) ? -1 : 1;
            }
            continue;
        }
        const QChar x = a.at(i).toCaseFolded();
        const QChar y = b.at(j).toCaseFolded();
        if (x != y)
            return x < y ? -1 : 1;
        ++i;
        ++j;
    }
    const int restA = a.size() - i;
    const int restB = b.size() - j;
    return restA == restB ? 0 : restA < restB ? -1 : 1;
}
