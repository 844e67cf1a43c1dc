#pragma once

#include <QStringList>

class ClockRegistry;
class CliOutput;

// One run of zentick-cli: parses the arguments, runs the command's handler
// and returns the exit status. Needs a QCoreApplication.
namespace CliApplication {

// The commands work on registry, which the caller owns.
int run(ClockRegistry &registry, const QStringList &arguments, bool progressOnTerminal);

} // namespace CliApplication
