#include "model/ClockIntake.h"

#include "model/ClockMerge.h"
#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "values/MacText.h"

#include <QCoreApplication>

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
    // Another clock answering at the old address shows the listed one gone.
    const auto answeredByOther = [&found](const QString &ip, const QString &mac) {
        for (const DevClock *other : found) {
            if (other->network.ip == ip && MacText::isIdentity(other->mac) && other->mac != mac)
                return true;
        }
        return false;
    };
    for (int i = 0; i < found.size(); ++i) {
        const ClockMerge::Finding &finding = findings.at(i);
        Decision decision{takenOf(finding.match), finding.index >= 0 ? listed.at(finding.index)->id : 0,
                          finding.movedFrom};
        decision.confirmed = decision.taken == Taken::Moved && found.at(i)->lastError != AuthorizationError
                             && answeredByOther(finding.movedFrom, found.at(i)->mac);
        m_heard.insert(found.at(i), decision);
        // An unconfirmed move claims its record only once the user confirms it.
        if (finding.match == ClockMerge::Match::Listed || decision.confirmed)
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
    // A refusal tells nothing about the clock but that it is there: a
    // listed clock it may be is that clock, with the wrong password.
    if (found.lastError == AuthorizationError && decision.taken != Taken::Added)
        return {Taken::WrongPassword, decision.listedId, decision.movedFrom};
    if (decision.taken == Taken::Moved && rules.moves == Moves::Stay) {
        decision = {Taken::AlreadyListed, decision.listedId, QString()};
    } else if (decision.taken == Taken::Moved && rules.moves == Moves::Checked) {
        if (decision.movedFrom == rules.checkedFrom)
            decision.confirmed = true;
        else if (decision.movedFrom != rules.unconfirmedFrom)
            decision.taken = Taken::Conflict;
    }
    if (decision.taken == Taken::Moved && !decision.confirmed && !rules.acceptMoves && !m_acceptMoves)
        decision.taken = Taken::MoveUnconfirmed;
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
    case Taken::WrongPassword:
    case Taken::MoveUnconfirmed:
        return result;
    }
    m_claimed.insert(result.clock->id);
    const int group = ClockMerge::groupNamed(m_registry, rules.group);
    if (group >= 0)
        m_registry.setClockGroup(m_registry.indexOfClock(result.clock), group);
    return result;
}

QStringList ClockIntake::follow(const QVector<Readdressed> &clocks, const QString &user, const QString &password)
{
    const auto tr = [](const char *text) { return QCoreApplication::translate("ClockIntake", text); };
    QStringList lines;
    for (const Readdressed &moved : clocks) {
        // Its row: at the old address, by its old MAC, else one that knows
        // no MAC (listed by address before a search told it).
        DevClock *row = nullptr;
        for (DevClock *clock : m_registry.clocks()) {
            if (clock->network.ip != moved.oldIp || m_claimed.contains(clock->id))
                continue;
            if (MacText::isIdentity(moved.oldMac) && clock->mac == moved.oldMac) {
                row = clock;
                break;
            }
            if (!row && !MacText::isIdentity(clock->mac))
                row = clock;
        }
        if (!row || !moved.addressed)
            continue;
        m_claimed.insert(row->id);
        const QString label = row->name.isEmpty() ? moved.oldIp : row->name;
        if (moved.addressTaken) {
            row->network.ip = moved.newIp;
            if (moved.port > 0)
                row->network.port = moved.port;
            row->user = user;
            row->password = password;
            row->status = ClockStatus();
            row->lastError = NoError;
        }
        if (moved.addressTaken && moved.macTaken) {
            row->mac = moved.newMac;
            lines << tr("%1: %2 (%3) moved to %4 (%5)").arg(label, moved.oldIp, moved.oldMac, moved.newIp, moved.newMac);
        } else {
            // It refused with these credentials: shown as such until a poll says otherwise.
            row->lastError = AuthorizationError;
            row->status.NtpSynchronization = NtpNoAuthentication;
            lines << (moved.addressTaken
                          ? tr("%1: moved to %2, but refused its new MAC; it keeps %3").arg(label, moved.newIp, moved.oldMac)
                          : tr("%1: refused its new address; it stays at %2").arg(label, moved.oldIp));
        }
        m_registry.announceClockChanged(row);
    }
    return lines;
}
