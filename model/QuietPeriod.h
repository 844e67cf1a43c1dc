#pragma once

#include <QDateTime>
#include <QString>

class DevClock;
class DevGroup;

// A time during which a clock, or every clock of a group, is polled and shown
// as usual but never mailed about: a wing under maintenance, a clock taken
// off the wall. It lasts until a moment, or until someone lifts it.
struct QuietPeriod
{
    bool on = false;
    QDateTime until; // invalid: until lifted

    bool isActive(const QDateTime &now) const { return on && (!until.isValid() || now < until); }

    static QuietPeriod untilLifted() { return {true, QDateTime()}; }
    static QuietPeriod endingAt(const QDateTime &end) { return {true, end}; }

    // The state file's text: empty for none, "lifted" for a period without an
    // end, else the end as "yyyy-MM-ddThh:mm:ss+hh:mm" (local time with its
    // offset; read without one, as older files have it, it is local time).
    // Anything else reads as none.
    QString toText() const;
    static QuietPeriod fromText(const QString &text);

    friend bool operator==(const QuietPeriod &a, const QuietPeriod &b) { return a.on == b.on && a.until == b.until; }
};

// The quiet period that applies to the clock now, its own or its group's (the
// longer one); an inactive one when there is none.
QuietPeriod quietPeriodOf(const DevClock &clock, const QDateTime &now);
// The same for a clock whose group the caller knows (nullptr: none); a page
// of every clock need not look each one's group up in the list.
QuietPeriod quietPeriodOf(const DevClock &clock, const DevGroup *group, const QDateTime &now);
