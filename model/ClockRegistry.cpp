#include "model/ClockRegistry.h"

#include "model/DevClock.h"
#include "model/DevGroup.h"

#include <QCoreApplication>

#include <algorithm>

ClockRegistry *ClockRegistry::instance()
{
    // Function-local statics are created once, thread-safely.
    static ClockRegistry registry;
    return &registry;
}

ClockRegistry::ClockRegistry(QObject *parent)
    : QObject(parent)
{
}

ClockRegistry::~ClockRegistry()
{
    qDeleteAll(m_clocks);
    qDeleteAll(m_groups);
}

DevClock *ClockRegistry::clockAt(int index) const
{
    return index >= 0 && index < m_clocks.size() ? m_clocks.at(index) : nullptr;
}

DevClock *ClockRegistry::clockById(quint64 id) const
{
    // Every status update asks by id: a scan of a long list per update would
    // cost more than the update. The scan stays for what the index misses (a
    // clock whose id was set after it was listed).
    DevClock *indexed = m_byId.value(id);
    if (indexed && indexed->id == id)
        return indexed;
    for (DevClock *clock : m_clocks) {
        if (clock->id == id) {
            m_byId.insert(id, clock);
            return clock;
        }
    }
    return nullptr;
}

int ClockRegistry::indexOfClock(const DevClock *clock) const
{
    return m_indexOf.value(clock, -1);
}

void ClockRegistry::addClock(DevClock *clock)
{
    if (!clock || m_indexOf.contains(clock))
        return;
    const int index = m_clocks.size();
    emit clockAboutToBeAdded(index);
    m_clocks.append(clock);
    m_indexOf.insert(clock, index);
    // The first of two clocks that share an id stays the one found.
    if (!m_byId.contains(clock->id))
        m_byId.insert(clock->id, clock);
    emit clockAdded(index);
}

bool ClockRegistry::removeClock(int index)
{
    if (index < 0 || index >= m_clocks.size())
        return false;
    // Always, not only when groupId says so: a group read from a file may
    // list a clock whose own groupId disagrees, and a stale index would
    // silently move to the next clock.
    setClockGroup(index, -1);
    for (DevGroup *group : qAsConst(m_groups)) {
        QList<int> indexes = group->clockIndexes();
        for (int &member : indexes) {
            if (member > index)
                --member;
        }
        group->setClockIndexes(indexes);
    }
    emit clockAboutToBeRemoved(index);
    DevClock *removed = m_clocks.takeAt(index);
    m_indexOf.remove(removed);
    for (int later = index; later < m_clocks.size(); ++later)
        m_indexOf[m_clocks.at(later)] = later;
    // By the pointer: the clock's id may have been set after it was listed.
    for (auto it = m_byId.begin(); it != m_byId.end();)
        it = it.value() == removed ? m_byId.erase(it) : std::next(it);
    const auto other = std::find_if(m_clocks.cbegin(), m_clocks.cend(),
                                    [removed](const DevClock *clock) { return clock->id == removed->id; });
    if (other != m_clocks.cend() && !m_byId.contains(removed->id))
        m_byId.insert(removed->id, *other);
    delete removed;
    emit clockRemoved(index);
    emit groupsChanged();
    return true;
}

void ClockRegistry::announceClockChanged(const DevClock *clock)
{
    const int index = indexOfClock(clock);
    if (index >= 0)
        emit clockChanged(index);
}

void ClockRegistry::announceGroupChanged(const DevGroup *group)
{
    if (group && m_groups.contains(const_cast<DevGroup *>(group)))
        emit groupsChanged();
}

DevGroup *ClockRegistry::groupAt(int index) const
{
    return index >= 0 && index < m_groups.size() ? m_groups.at(index) : nullptr;
}

void ClockRegistry::addGroup(DevGroup *group)
{
    if (!group || m_groups.contains(group))
        return;
    m_groups.append(group);
    emit groupsChanged();
}

DevGroup *ClockRegistry::createGroup(const QString &name)
{
    auto *group = new DevGroup;
    group->setName(name.isEmpty()
                       ? QCoreApplication::translate("ClockRegistry", "Group") + QLatin1Char(' ')
                           + QString::number(m_groups.size() + 1)
                       : name);
    m_groups.append(group);
    emit groupsChanged();
    return group;
}

bool ClockRegistry::renameGroup(int index, const QString &name)
{
    DevGroup *group = groupAt(index);
    if (!group)
        return false;
    group->setName(name);
    emit groupsChanged();
    return true;
}

bool ClockRegistry::removeGroup(int index)
{
    if (index < 0 || index >= m_groups.size())
        return false;
    for (DevClock *clock : qAsConst(m_clocks)) {
        if (clock->groupId == index)
            clock->groupId = -1;
        else if (clock->groupId > index)
            --clock->groupId;
    }
    delete m_groups.takeAt(index);
    emit groupsChanged();
    return true;
}

bool ClockRegistry::setClockGroup(int clockIndex, int groupIndex)
{
    DevClock *clock = clockAt(clockIndex);
    if (!clock)
        return false;
    // A clock belongs to at most one group: drop it from every list.
    for (DevGroup *group : qAsConst(m_groups)) {
        if (!group->clockIndexes().contains(clockIndex))
            continue;
        QList<int> indexes = group->clockIndexes();
        indexes.removeAll(clockIndex);
        std::sort(indexes.begin(), indexes.end());
        group->setClockIndexes(indexes);
    }
    DevGroup *target = groupAt(groupIndex);
    const bool placed = target != nullptr;
    clock->groupId = placed ? groupIndex : -1;
    if (placed) {
        QList<int> indexes = target->clockIndexes();
        indexes.append(clockIndex);
        std::sort(indexes.begin(), indexes.end());
        target->setClockIndexes(indexes);
    }
    emit clockChanged(clockIndex);
    emit groupsChanged();
    return placed;
}

DevGroup *ClockRegistry::groupOfClock(const DevClock *clock) const
{
    const int index = indexOfClock(clock);
    if (index < 0)
        return nullptr;
    QVector<quint64> revisions;
    revisions.reserve(m_groups.size());
    for (const DevGroup *group : m_groups)
        revisions << group->membersRevision();
    if (revisions != m_groupIndex.revisions) {
        m_groupIndex.revisions = revisions;
        m_groupIndex.groupOf.clear();
        for (int g = 0; g < m_groups.size(); ++g) {
            for (int member : m_groups.at(g)->clockIndexes()) {
                if (!m_groupIndex.groupOf.contains(member))
                    m_groupIndex.groupOf.insert(member, g);
            }
        }
    }
    const int group = m_groupIndex.groupOf.value(index, -1);
    return group >= 0 ? m_groups.at(group) : nullptr;
}

QString ClockRegistry::groupNameOf(const DevClock &clock) const
{
    const DevGroup *group = groupOfClock(&clock);
    return group ? group->name() : QString();
}

QuietPeriod ClockRegistry::quietPeriodOf(const DevClock &clock, const QDateTime &now) const
{
    return quietPeriodOf(clock, groupOfClock(&clock), now);
}

namespace {

QuietPeriod periodOrHours(const QuietPeriod &period, const QuietHours &hours, const QDateTime &t)
{
    return hours.isEmpty() ? QuietPeriod::longerActive(period, QuietPeriod(), t)
                           : QuietPeriod::longerActive(period, hours.periodAt(t), t);
}

// A mute that runs into a window, or a window into the group's, is one
// stretch: the mails stay away until its end, so it is shown so.
template <class At>
QuietPeriod joined(const At &at, const QDateTime &now)
{
    constexpr int maxJoins = 8;
    QuietPeriod period = at(now);
    for (int join = 0; join < maxJoins && period.on && period.until.isValid(); ++join) {
        const QuietPeriod next = at(period.until);
        if (!next.on)
            break;
        period.until = next.until;
        period.weekly = period.weekly || next.weekly;
    }
    return period;
}

} // namespace

QuietPeriod ClockRegistry::quietPeriodOf(const DevClock &clock, const DevGroup *group, const QDateTime &now)
{
    return joined(
        [&](const QDateTime &t) {
            const QuietPeriod own = periodOrHours(clock.quietPeriod, clock.quietHours, t);
            return group ? QuietPeriod::longerActive(own, periodOrHours(group->quietPeriod, group->quietHours, t), t)
                         : own;
        },
        now);
}

QuietPeriod ClockRegistry::quietPeriodOfGroup(const DevGroup &group, const QDateTime &now)
{
    return joined([&](const QDateTime &t) { return periodOrHours(group.quietPeriod, group.quietHours, t); }, now);
}

QDateTime ClockRegistry::quietChangesAt(const DevClock &clock, const QDateTime &now) const
{
    const DevGroup *group = groupOfClock(&clock);
    QDateTime next;
    const auto consider = [&](const QDateTime &t) {
        if (t.isValid() && t > now && (!next.isValid() || t < next))
            next = t;
    };
    const QuietPeriod period = quietPeriodOf(clock, group, now);
    if (period.on)
        consider(period.until);
    consider(clock.quietHours.nextChange(now));
    if (group)
        consider(group->quietHours.nextChange(now));
    return next;
}

QList<bool> ClockRegistry::alreadyListed(const QList<DevClock *> &candidates) const
{
    QList<bool> result;
    result.reserve(candidates.size());
    for (const DevClock *candidate : candidates) {
        const bool listed = candidate
            && std::any_of(m_clocks.cbegin(), m_clocks.cend(), [candidate](const DevClock *clock) {
                   return clock->network.ip == candidate->network.ip;
               });
        result.append(listed);
    }
    return result;
}

void ClockRegistry::clear()
{
    emit aboutToBeCleared();
    qDeleteAll(m_clocks);
    m_clocks.clear();
    m_indexOf.clear();
    m_byId.clear();
    qDeleteAll(m_groups);
    m_groups.clear();
    emit cleared();
    emit groupsChanged();
}

void ClockRegistry::resetForTest()
{
    instance()->clear();
}
