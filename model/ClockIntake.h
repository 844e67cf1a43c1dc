#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QVector>

#include <memory>

class ClockRegistry;
class DevClock;

// The one way onto the clock list for a clock that a search, a probe of an
// address range or a plan, or the user came upon: it decides with ClockMerge
// (a clock is known by its MAC, else by its address), changes the list and
// says what it did. Operations only report what they found; the page or the
// command that started them hands the findings to an intake.
//
// One intake serves one flow (a search, a run over a range or a plan): a
// listed clock matched once in the flow is claimed, so that a second clock
// reporting its MAC is a conflict rather than the first one moving.
class ClockIntake
{
public:
    enum class Taken {
        Added,         // a new record
        AlreadyListed, // the list holds the clock; nothing changed
        Updated,       // the list holds it at this address; its record took what was found
        Moved,         // the list held it at movedFrom; its record follows it here
        // Its MAC names a listed clock that still answers at movedFrom: two
        // clocks report one MAC, and neither record changes.
        Conflict,
        // It refused the credentials where a listed clock stands (at that
        // clock's address, or with its MAC elsewhere): that clock with an
        // authorisation problem, not a new one. Nothing changes.
        WrongPassword,
        // Its MAC names a listed clock elsewhere, but nothing showed that
        // clock gone from its address (silent, refusing, or not asked): a
        // device that merely reports the MAC would otherwise take the record
        // and the next exchange would send it the clock's credentials. The
        // record stays unless the move is confirmed (acceptMoves).
        MoveUnconfirmed,
    };
    // What becomes of a clock the list holds at the found address already.
    enum class WhenListed {
        Update,     // its record takes what was found
        Keep,       // nothing changes
        AddAnother, // a second record (the window asks the user first)
    };
    // When a listed clock found elsewhere by its MAC has moved.
    enum class Moves {
        // The flow heard every answering clock at once (hear()): unless the
        // clock also answered at its listed address.
        Heard,
        // Only from checkedFrom, an address the flow asked and found without
        // the MAC; from any other address it is a conflict.
        Checked,
        // Never: its record stays where it is (a clock the flow did not reach).
        Stay,
    };
    struct Rules
    {
        WhenListed whenListed = WhenListed::Update;
        Moves moves = Moves::Heard;
        QString checkedFrom;
        // A record for an address where nothing answered: added unless a
        // clock not yet matched in this flow is listed at that address.
        bool silent = false;
        // Checked: an address asked that did not answer (or refused): a
        // move from there waits for confirmation.
        QString unconfirmedFrom;
        // The user confirmed this clock's move (a ticked row, --accept-moves).
        bool acceptMoves = false;
        // The clock's group, made when the list has none; empty: unchanged.
        QString group;
    };
    struct Result
    {
        Taken taken = Taken::Added;
        DevClock *clock = nullptr; // the listed record; null for a conflict
        QString movedFrom;         // Moved, MoveUnconfirmed and Conflict: the listed clock's address
    };
    // A clock this program itself gave a new address and MAC (the conflict
    // resolver): where it was and what it took.
    struct Readdressed
    {
        QString oldIp;
        QString oldMac;
        QString newIp;
        QString newMac;
        int port = 0;
        bool addressTaken = false; // false: it refused (or no address was left)
        bool macTaken = false;
        bool addressed = true; // false: no address was left for it
    };

    explicit ClockIntake(ClockRegistry &registry);

    const ClockRegistry &registry() const { return m_registry; }

    // Before the clocks of one broadcast are taken: a clock heard at its
    // listed address claims its record before any other clock that reports
    // its MAC could take it for a move. Decides every clock of the search
    // now, in order; take and preview then keep to these decisions.
    void hear(const QVector<DevClock *> &found);
    // What take would do now, changing nothing: Added for a new clock.
    Result preview(const DevClock &found, const Rules &rules) const;
    // found goes onto the list when it is added (found is then null);
    // otherwise it stays the caller's.
    Result take(std::unique_ptr<DevClock> &found, const Rules &rules);
    // Every move of this flow counts as confirmed (--accept-moves).
    void setAcceptMoves(bool accept) { m_acceptMoves = accept; }

    // The records of readdressed clocks follow them: address, MAC and port,
    // the status back to not yet polled; a clock that refused keeps its row,
    // marked as not authenticated. Announced; returns one line per listed
    // clock saying what became of it. Unlisted clocks are left to a search.
    QStringList follow(const QVector<Readdressed> &clocks, const QString &user, const QString &password);

private:
    struct Decision
    {
        Taken taken = Taken::Added;
        quint64 listedId = 0; // unless Added
        QString movedFrom;
        // A move heard while another clock answered at the old address.
        bool confirmed = false;
    };
    Decision decide(const DevClock &found, const Rules &rules) const;
    Result resultOf(const Decision &decision) const;

    ClockRegistry &m_registry;
    QSet<quint64> m_claimed;
    QHash<const DevClock *, Decision> m_heard;
    bool m_acceptMoves = false;
};
