// zentick-cli: the clock operations from a shell, and a headless monitor.
#include "cli/CliApplication.h"
#include "model/ClockRegistry.h"
#include "core/Language.h"
#include "cli/ProgressIndicator.h"

#include <QCoreApplication>
#include <QLoggingCategory>

int main(int argc, char *argv[])
{
    // The monitor turns its event loop thousands of times a second; the plain
    // UNIX loop does that for less than glib's, and nothing here needs glib.
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
    QCoreApplication application(argc, argv);
    // Standard error carries the tool's own messages; the libraries' debug
    // diagnostics would read like a second, different report. QT_LOGGING_RULES
    // still turns them on.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    // The English catalogue corrects the wording of some source texts.
    LanguageManager::installCatalogue(Language::English);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    // The one device list of the run; every command is handed it.
    ClockRegistry registry;
    return CliApplication::run(registry, arguments, ProgressIndicator::stderrIsTerminal());
}
