#pragma once

#include <QStringList>

class CliOutput;

// One run of zentick-cli: parses the arguments, runs the command's handler
// and returns the exit status. Needs a QCoreApplication.
namespace CliApplication {

int run(const QStringList &arguments, bool progressOnTerminal);

} // namespace CliApplication
