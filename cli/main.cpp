// zentick-cli: the clock operations from a shell, and a headless monitor.
#include "CliApplication.h"
#include "ProgressIndicator.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return CliApplication::run(arguments, ProgressIndicator::stderrIsTerminal());
}
