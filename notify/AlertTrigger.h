#pragma once

#include <QDateTime>

class DevClock;

// The per-clock rules of alert mails, run after every status refresh of a
// clock: a mail is due when one of the clock's alert counters has reached its
// limit, at most maxMails attempts per failure episode, and after a delivered
// mail not again for that kind until the resend interval has passed. The
// clock model cannot send mail itself, so the rules live here; the
// IncidentMailer applies them and gathers the clocks into mails.
namespace AlertTrigger {

// The hours each resend choice names ("Never", "1 hour", "2 hours",
// "4 hours", "8 hours"); 0 for never and for an unknown choice.
int resendHours(int resendChoice);

// The index of the clock's alert record that may be mailed now; -1 when none
// may: no record is due, the due one was delivered or has used its attempts,
// its kind is switched off, or the clock is quiet (in a quiet period of its
// own or of its group). Clears the records of a clock whose resend interval
// has passed first.
int mailableRecord(DevClock &clock, bool quiet, const QDateTime &now);

} // namespace AlertTrigger
