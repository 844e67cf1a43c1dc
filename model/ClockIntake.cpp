#include "ClockIntake.h"

#include "ClockMerge.h"
#include "ClockRegistry.h"
#include "DevClock.h"

namespace {

ClockIntake::Taken takenOf(ClockMerge::Match match)
{
    switch (match) {
    case ClockMerge::Match::New:
        return ClockIntake::Taken::Added;
    case ClockMerge::Match::Listed:
        return ClockIntake::Taken::AlreadyListed;
    case ClockMerge::Match::Moved:
        return ClockIntake::Taken::Moved;
    case ClockMerge::Match::Conflict:
        break;
    }
    return ClockIntake::Taken::Conflict;
}

} // namespace

ClockIntake::ClockIntake(ClockRegistry &registry)
    : m_registry(registry)
{
}

void ClockIntake::hear(const QVector<DevClock *> &found)
{
    const QList<DevClock *> listed = m_registry.clocks();
    const QVector<ClockMerge::Finding> findings = ClockMerge::findAll(listed, found);
    for (int i = 0; i < found.size(); ++i) {
        const ClockMerge::Finding &finding = findings.at(i);
        const Decision decision{takenOf(finding.match), finding.index >= 0 ? listed.at(finding.index)->id : 0,
                                finding.movedFrom};
        m_heard.insert(found.at(i), decision);
        if (finding.match == ClockMerge::Match::Listed || finding.match == ClockMerge::Match::Moved)
            m_claimed.insert(decision.listedId);
    }
}

ClockIntake::Decision ClockIntake::decide(const DevClock &found, const Rules &rules) const
{
    if (rules.silent) {
        for (const DevClock *clock : m_registry.clocks()) {
            // Listed already: the poller will tell when it answers again.
            if (clock->network.ip == found.network.ip && !m_claimed.contains(clock->id))
                return {Taken::AlreadyListed, clock->id, QString()};
        }
        return {};
    }
    Decision decision;
    const auto heard = m_heard.constFind(&found);
    // A record heard then and gone since is decided anew.
    if (heard != m_heard.constEnd() && (heard->taken == Taken::Added || m_registry.clockById(heard->listedId))) {
        decision = *heard;
    } else {
        const ClockMerge::Finding finding = ClockMerge::find(m_registry.clocks(), found, m_claimed);
        decision = {takenOf(finding.match), finding.index >= 0 ? m_registry.clockAt(finding.index)->id : 0,
                    finding.movedFrom};
    }
    if (decision.taken == Taken::Moved && rules.moves == Moves::Stay)
        decision = {Taken::AlreadyListed, decision.listedId, QString()};
    else if (decision.taken == Taken::Moved && rules.moves == Moves::Checked && decision.movedFrom != rules.checkedFrom)
        decision.taken = Taken::Conflict;
    if (decision.taken == Taken::AlreadyListed && rules.whenListed == WhenListed::AddAnother)
        decision = {};
    return decision;
}

ClockIntake::Result ClockIntake::resultOf(const Decision &decision) const
{
    Result result{decision.taken, nullptr, decision.movedFrom};
    if (decision.taken != Taken::Conflict && decision.taken != Taken::Added)
        result.clock = m_registry.clockById(decision.listedId);
    return result;
}

ClockIntake::Result ClockIntake::preview(const DevClock &found, const Rules &rules) const
{
    return resultOf(decide(found, rules));
}

ClockIntake::Result ClockIntake::take(std::unique_ptr<DevClock> &found, const Rules &rules)
{
    if (!found)
        return {Taken::Conflict, nullptr, QString()};
    Result result = resultOf(decide(*found, rules));
    switch (result.taken) {
    case Taken::Added:
        result.clock = found.release();
        m_registry.addClock(result.clock);
        break;
    case Taken::AlreadyListed:
        if (rules.whenListed == WhenListed::Keep || rules.silent)
            return result;
        result.taken = Taken::Updated;
        ClockMerge::update(*result.clock, *found, ClockMerge::Match::Listed);
        m_registry.announceClockChanged(result.clock);
        break;
    case Taken::Moved:
        ClockMerge::update(*result.clock, *found, ClockMerge::Match::Moved);
        m_registry.announceClockChanged(result.clock);
        break;
    case Taken::Updated:
    case Taken::Conflict:
        return result;
    }
    m_claimed.insert(result.clock->id);
    const int group = ClockMerge::groupNamed(m_registry, rules.group);
    if (group >= 0)
        m_registry.setClockGroup(m_registry.indexOfClock(result.clock), group);
    return result;
}
