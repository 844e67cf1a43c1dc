#pragma once

#include "model/ClockStatus.h"

#include <QString>

// The status reply ("/T1") of a clock: ten fields separated by "&", of which
// the first two are not used.
namespace StatusReply {

// Reads the reply's values into status, leaving the fields it lacks and the
// time of the update alone; word is the NTP state the reply named, -1 for a
// word it does not know (the state then stays). False, and nothing changed,
// when the reply is empty or has fewer than three fields.
bool read(const QString &reply, ClockStatus &status, int &word);

} // namespace StatusReply
