#pragma once

#include "model/ClockIntake.h"

#include <QMetaType>
#include <QString>
#include <QVector>

#include <memory>

class AddressRange;
class DevClock;
struct PlanRow;

// One address to look for a clock at, from an address range or a plan: how
// to log in there and, from a plan, what the clock is to be called and which
// group it belongs to.
struct CommissioningTarget
{
    QString ip;
    QString user;
    QString password;
    QString name;  // empty: the plan names none
    QString group; // empty: the plan names none
    QString mac;   // empty: the plan names none

    // The row names a MAC and another clock answered at its address (clocks
    // that share one, the factory address): a record of the row's own clock,
    // as the plan gives it and marked unreached, to place instead of the
    // clock found, so that the row touches neither that clock's record nor
    // its name. Null when the clock found may be the row's.
    std::unique_ptr<DevClock> ownClockInstead(const DevClock &found) const;
    // A plan row: listed even when nothing answers there (the site's plan;
    // the poller finds the clock once it is switched on).
    bool listWhenSilent = false;
    // A plan row without credentials of its own: a clock listed at its
    // address lends its stored ones (CommissioningSender), else user and
    // password above are the ones given.
    bool listedCredentials = false;

    static QVector<CommissioningTarget> fromRange(const AddressRange &range, const QString &user,
                                                  const QString &password);
    // A row without a user or a password of its own takes the given one,
    // unless it has neither (listedCredentials).
    static QVector<CommissioningTarget> fromPlan(const QVector<PlanRow> &rows, const QString &user,
                                                 const QString &password);
};

// What became of one address of a range or a plan: the row of the result
// table.
struct CommissionedAddress
{
    enum Outcome {
        Added,         // a clock, new on the list
        AlreadyListed, // a clock the list holds at this address
        Moved,         // a listed clock found at a new address (movedFrom)
        NotAClock,     // something answered, but not as a clock does
        NoAnswer,      // nothing answered
        WrongPassword, // the user name or the password was refused
        // Another clock reports the MAC of a listed clock that still answers
        // at its own address: neither record changed (movedFrom: that address).
        MacConflict,
        AddedSilent, // a plan row where nothing answered, listed as not reachable
    };
    enum class Rename { NotAsked, Renamed, Failed };

    QString ip;
    Outcome outcome = NoAnswer;
    QString movedFrom;
    // The listed clock (Added, AlreadyListed, Moved) and what the list says
    // of it after the merge.
    quint64 clockId = 0;
    QString name;
    QString productCode;
    int firmware = 0;
    QString group;
    Rename rename = Rename::NotAsked;
    // Why nothing answered, why it is no clock, or why the renaming failed.
    QString reason;

    bool isClock() const { return outcome == Added || outcome == AlreadyListed || outcome == Moved; }
    // On the device list after the run.
    bool isListed() const { return isClock() || outcome == AddedSilent; }
    // A listed clock found here by its MAC while nothing showed it gone from
    // movedFrom: its row moves only when the user confirms.
    bool awaitsMoveConfirmation() const { return outcome == MacConflict && clockId != 0; }
    // The program did with the address what it was asked to: false when
    // nothing answered, the password was refused or the renaming failed.
    bool isHandled() const;

    QString outcomeText() const;
    // The outcome for scripts: "added", "alreadyListed", "moved", "notAClock",
    // "noAnswer", "wrongPassword", "macConflict", "addedNotAnswering".
    QString outcomeKey() const;
    // What else the table says of the address: where the clock moved from,
    // the renaming, the reason.
    QString note() const;
};
Q_DECLARE_METATYPE(CommissionedAddress)

// What a commissioning run found at one address, for the caller to hand to
// its list.
struct CommissioningFinding
{
    // The probe's part of the row: the address, Added when a clock answered
    // (else why not), the renaming, the reason.
    CommissionedAddress address;
    // The clock found; for a plan row where nothing answered, the record to
    // list as not reachable (rules.silent); null when nothing goes onto the list.
    std::unique_ptr<DevClock> clock;
    ClockIntake::Rules rules;
    // Another clock answered at the row's address: clock is the row's own,
    // not reached.
    bool unreached = false;

    // Puts the clock onto the list (added, already listed, moved, or a MAC
    // conflict that changes nothing; into the row's group) and returns the
    // row of the result table.
    CommissionedAddress takeInto(ClockIntake &intake);
};
