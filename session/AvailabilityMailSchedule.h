#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// When the monthly availability mail is due: on its day of the month, or at
// the first check after it in that month (the computer was off on the day),
// for the month before; never for a month already mailed (nor an earlier
// one, should the computer's clock go back); after a failed attempt not
// before the retry wait has passed. A month missed entirely (off from the
// day to the next month's day) is not sent late: the next mail is the next
// month's.
namespace AvailabilityMailSchedule {

struct Input
{
    bool enabled = false;
    int day = 1;
    QString lastMonth; // "yyyy-MM" of the last month mailed, or empty
    QDateTime now; // local
    QDateTime lastFailure; // of the last attempt that failed; invalid when none
    qint64 retrySecs = 0;
};

// The first day of the month to mail now; invalid when nothing is due.
QDate dueMonth(const Input &input);

// "yyyy-MM", as lastMonth stores it.
QString monthKey(const QDate &month);
// The month as local midnights: [its first day, the next month's first day).
QDateTime monthStart(const QDate &month);
QDateTime monthEnd(const QDate &month);

} // namespace AvailabilityMailSchedule
