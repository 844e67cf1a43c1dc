#pragma once

#include <QDateTime>

class DevClock;

// The per-clock alert trigger, run after every status refresh of a clock: it
// mails an alert when one of the clock's alert counters has reached its limit,
// at most maxMails attempts per failure episode, and after a delivered mail
// not again for that kind until the resend interval has passed. The clock
// model cannot send mail itself, so the trigger lives here.
namespace AlertTrigger {

// The hours each resend choice names ("Never", "1 hour", "2 hours",
// "4 hours", "8 hours"); 0 for never and for an unknown choice.
int resendHours(int resendChoice);

} // namespace AlertTrigger

// true when an alert mail was started or one is already in flight for the
// clock.
bool sendAlertIfDue(DevClock &clock, const QDateTime &now = QDateTime::currentDateTime());
