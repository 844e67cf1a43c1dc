#pragma once

#include "cli/CliSession.h"

#include <QVector>

// The clocks a command for many clocks is given: --all, --group NAME, the
// listed clocks of an address plan (--plan FILE.csv) and the addresses or
// list numbers among the arguments, each clock once, in that order.
namespace ClockSelection {

// ExitSuccess with the clocks; otherwise the exit status of the fault, said
// (an empty choice included, worded with command's name). handles stand for
// the arguments when given.
int read(CliSession &session, const QString &command, QVector<CliSession::Target> &clocks,
         const QStringList *handles = nullptr);

// Whether any of the options that choose clocks was given.
bool given(const CliInvocation &invocation);

} // namespace ClockSelection
