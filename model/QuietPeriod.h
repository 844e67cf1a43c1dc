#pragma once

#include <QDateTime>
#include <QString>

// A time during which a clock, or every clock of a group, is polled and shown
// as usual but never mailed about: a wing under maintenance, a clock taken
// off the wall. It lasts until a moment, or until someone lifts it.
struct QuietPeriod
{
    bool on = false;
    QDateTime until; // invalid: until lifted
    // Given by weekly quiet hours rather than by someone's mute; never stored.
    bool weekly = false;

    bool isActive(const QDateTime &now) const { return on && (!until.isValid() || now < until); }

    static QuietPeriod untilLifted() { return {true, QDateTime(), false}; }
    static QuietPeriod endingAt(const QDateTime &end) { return {true, end, false}; }

    // The state file's text: empty for none, "lifted" for a period without an
    // end, else the end as "yyyy-MM-ddThh:mm:ss+hh:mm" (local time with its
    // offset; read without one, as older files have it, it is local time).
    // Anything else reads as none.
    QString toText() const;
    static QuietPeriod fromText(const QString &text);

    // Of a clock's own period and its group's, the one that applies now: the
    // longer active one; an inactive one when neither is active.
    static QuietPeriod longerActive(const QuietPeriod &own, const QuietPeriod &group, const QDateTime &now);

    friend bool operator==(const QuietPeriod &a, const QuietPeriod &b) { return a.on == b.on && a.until == b.until && a.weekly == b.weekly; }
};
