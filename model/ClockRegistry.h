#pragma once

#include "model/QuietPeriod.h"

#include <QHash>
#include <QList>
#include <QVector>
#include <QObject>
#include <QString>

class DevClock;
class DevGroup;

// The lists of clocks and groups; it owns every element. A clock's index is
// its identity in the state file and in the groups' member lists; removing a
// clock or a group renumbers what follows it. Every change is announced, so
// tables, metrics and the session follow the list instead of asking it again.
// Used on the GUI thread only.
class ClockRegistry : public QObject
{
    Q_OBJECT

public:
    explicit ClockRegistry(QObject *parent = nullptr);
    ~ClockRegistry() override;

    // The list of the executables' main() and of test support; libraries are
    // handed the list they work on.
    static ClockRegistry *instance();

    QList<DevClock *> clocks() const { return m_clocks; }
    // nullptr outside the list.
    DevClock *clockAt(int index) const;
    DevClock *clockById(quint64 id) const;
    int clockCount() const { return m_clocks.size(); }
    // -1 when the clock is not registered.
    int indexOfClock(const DevClock *clock) const;
    // Takes ownership; a null or already registered clock is ignored.
    void addClock(DevClock *clock);
    bool removeClock(int index);
    // Whoever changed a listed clock's fields (status, name, address,
    // credentials, configuration) says so here; unlisted clocks are ignored.
    void announceClockChanged(const DevClock *clock);

    QList<DevGroup *> groups() const { return m_groups; }
    DevGroup *groupAt(int index) const;
    int groupCount() const { return m_groups.size(); }
    // Takes ownership; a null or already registered group is ignored.
    void addGroup(DevGroup *group);
    // An empty name gives "Group N" with N the new group's number.
    DevGroup *createGroup(const QString &name);
    bool renameGroup(int index, const QString &name);
    bool removeGroup(int index);
    // Whoever changed a listed group's fields (its quiet period) says so here.
    void announceGroupChanged(const DevGroup *group);

    // Takes the clock out of any group that lists it, then into groupIndex;
    // false when either index is out of range (the clock then has no group).
    bool setClockGroup(int clockIndex, int groupIndex);
    DevGroup *groupOfClock(const DevClock *clock) const;
    // The name of the clock's group; empty when it has none.
    QString groupNameOf(const DevClock &clock) const;
    // The quiet period that applies to the clock now: its own or its group's,
    // a mute or weekly hours, joined where one runs into the next. Mails, the
    // metrics, the board and the lists all ask here.
    QuietPeriod quietPeriodOf(const DevClock &clock, const QDateTime &now) const;
    // The same for a clock and its group (or none) held outside the list.
    static QuietPeriod quietPeriodOf(const DevClock &clock, const DevGroup *group, const QDateTime &now);
    // A group's own: its mute or its weekly hours, for the group's rows.
    static QuietPeriod quietPeriodOfGroup(const DevGroup &group, const QDateTime &now);
    // The next moment quietPeriodOf gives another answer (a period or a
    // window starts or ends); invalid when none is coming.
    QDateTime quietChangesAt(const DevClock &clock, const QDateTime &now) const;
    // For each candidate: a registered clock has the same ip text.
    QList<bool> alreadyListed(const QList<DevClock *> &candidates) const;

    // Destroys every clock and group (state reload, tests).
    void clear();
    // Starts the process-wide registry empty.
    static void resetForTest();

signals:
    // Row-model order: the "about" signal comes before the list changes, the
    // other after it.
    void clockAboutToBeAdded(int index);
    void clockAdded(int index);
    void clockAboutToBeRemoved(int index);
    void clockRemoved(int index);
    void clockChanged(int index);
    // Groups made, renamed or removed, or a clock's membership changed.
    void groupsChanged();
    void aboutToBeCleared();
    void cleared();

private:
    Q_DISABLE_COPY(ClockRegistry)

    QList<DevClock *> m_clocks;
    // clockById is asked for every poll's result, several times; a scan of
    // ten thousand clocks each time was the monitor's largest cost. An entry
    // is trusted only while the clock still has that id.
    mutable QHash<quint64, DevClock *> m_byId;
    // Every poll's result is announced by the clock's place in the list.
    QHash<const DevClock *, int> m_indexOf;
    QList<DevGroup *> m_groups;
    // Which group lists each clock index first: asked for every poll's
    // result (its quiet period), where a scan of every group's members cost
    // as much as the rest of the poll. Rebuilt when any group's members or
    // the groups themselves changed (their revisions say so).
    struct GroupIndex
    {
        QVector<quint64> revisions;
        QHash<int, int> groupOf;
    };
    mutable GroupIndex m_groupIndex;
};

