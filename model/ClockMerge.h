#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QVector>

class ClockRegistry;
class DevClock;

// What to make of a clock that a search, a range or a plan came upon, given
// the device list. A clock is known by its MAC: found at another address, it
// is a listed clock that moved (a new DHCP lease, a renumbered network), and
// its record follows it rather than a second row appearing.
namespace ClockMerge {

enum class Match {
    New,    // not on the list
    Listed, // on the list at this address
    Moved,  // on the list at another address (movedFrom), if it no longer answers there
    // Its MAC names a listed clock at another address (movedFrom) that still
    // answers there: two clocks report one MAC, and neither record changes.
    Conflict,
};

struct Finding
{
    Match match = Match::New;
    int index = -1; // the listed clock, unless New
    QString movedFrom;
};

// Where the found clock stands on the list:
// - its MAC, when exactly one listed clock has it, names that clock: Listed
//   when the address is the same (and the clock not among claimed, the clock
//   ids already matched in this search), otherwise Moved, or Conflict when
//   that clock is claimed (it answered at its own address). A caller that
//   cannot tell whether the old address still answers with the MAC must ask
//   it before taking a move (see stillThere);
// - otherwise a listed clock at its address whose MAC is unknown or the
//   same (any listed clock there when the found clock's MAC is unknown) makes
//   it Listed: clocks that share the factory address but not their MAC are
//   different clocks;
// - otherwise it is New.
// A MAC that several listed clocks share, or the all-zero MAC, identifies
// nothing, and the address decides.
Finding find(const QList<DevClock *> &listed, const DevClock &found, const QSet<quint64> &claimed = {});

// find for every clock of one search, in order, where all clocks that
// answer are heard at once (a broadcast): a clock found at its listed address
// claims its record first, and a listed clock found where it was listed turns
// another clock that reports its MAC into a Conflict, not a move.
QVector<Finding> findAll(const QList<DevClock *> &listed, const QVector<DevClock *> &found);

// Brings the listed clock up to date with the found one: it learns the MAC
// when it had none; after a read that worked, it takes the name, the
// credentials that worked, the network settings, the firmware and, when the
// found clock has one, the status. A Moved clock also takes the address, the
// port, the interface (unless the found clock's is "Default") and the error
// of the read, but keeps its credentials: whatever now answers with its MAC
// must not change how the list logs in to the clock. Conflict changes nothing.
void update(DevClock &listed, const DevClock &found, Match match);

// "moved from A to B", as a result table shows it.
QString movedText(const QString &from, const QString &to);
// "two clocks report MAC M (at A and B); nothing changed".
QString conflictText(const QString &mac, const QString &listedAt, const QString &foundAt);
// "not moved from A to B: A did not answer with another clock; ...".
QString unconfirmedMoveText(const QString &from, const QString &to);
// Whether the reply of the old address to "/F" still names mac: a move is
// taken only when it does not.
bool stillThere(const QString &deviceInformationReply, const QString &mac);
// Whether that reply names another clock's MAC: only then is the move sure.
bool answersWithOther(const QString &deviceInformationReply, const QString &mac);

// The index of the group called name, made when the list has none; -1 for
// an empty name.
int groupNamed(ClockRegistry &registry, const QString &name);

} // namespace ClockMerge
