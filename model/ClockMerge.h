#pragma once

#include <QList>
#include <QSet>
#include <QString>

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
    Moved,  // on the list at another address (movedFrom)
};

struct Finding
{
    Match match = Match::New;
    int index = -1; // the listed clock, unless New
    QString movedFrom;
};

// Where the found clock stands on the list:
// - its MAC, when exactly one listed clock has it and that clock is not
//   among claimed (clock ids already matched in this search), names that
//   clock: Listed when the address is the same, Moved otherwise;
// - otherwise a listed clock at its address whose MAC is unknown or the
//   same (any listed clock there when the found clock's MAC is unknown) makes
//   it Listed: clocks that share the factory address but not their MAC are
//   different clocks;
// - otherwise it is New.
// A MAC that several listed clocks share, or the all-zero MAC, identifies
// nothing, and the address decides.
Finding find(const QList<DevClock *> &listed, const DevClock &found, const QSet<quint64> &claimed = {});

// Brings the listed clock up to date with the found one: it learns the MAC
// when it had none; after a read that worked, it takes the name, the
// credentials that worked, the network settings, the firmware and, when the
// found clock has one, the status. A Moved clock also takes the address, the
// port, the interface (unless the found clock's is "Default") and the error
// of the read.
void update(DevClock &listed, const DevClock &found, Match match);

// "moved from A to B", as a result table shows it.
QString movedText(const QString &from, const QString &to);

// The index of the group called name, made when the list has none; -1 for
// an empty name.
int groupNamed(ClockRegistry &registry, const QString &name);

} // namespace ClockMerge
