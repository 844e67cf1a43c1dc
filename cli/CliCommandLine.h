#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// The commands of zentick-cli.
enum class CliCommand {
    Help,
    Discover,
    List,
    Add,
    Remove,
    Status,
    ConfigGet,
    ConfigSet,
    ConfigShow,
    Name,
    Network,
    Password,
    ResolveConflicts,
    TestMail,
    Monitor,
    Audit,
    Mute,
    Unmute,
    Events,
    AddRange,
    Import,
    Credentials,
    Version,
    Change,
    ReportAvailability,
};

// One parsed command line: the command, its positional arguments and its
// options by long name without the dashes ("user", "output", ...). Values are
// checked here (addresses, on|off, numbers, MAC), so handlers never see a
// malformed one. Addresses come back in their canonical dotted form.
struct CliInvocation
{
    CliCommand command = CliCommand::Help;
    bool json = false;
    // With Help: the command whose help was asked for ("config get"); empty
    // for the whole usage.
    QString helpFor;
    // The command named ("config set"), also when its arguments were wrong.
    QString commandName;
    QStringList arguments;
    QHash<QString, QString> options;

    bool hasOption(const QString &name) const { return options.contains(name); }
    QString option(const QString &name, const QString &fallback = QString()) const
    {
        return options.value(name, fallback);
    }
    // For on|off options, already checked by the parser.
    bool onOption(const QString &name) const { return options.value(name) == QLatin1String("on"); }
    // For numeric options, already checked by the parser.
    int intOption(const QString &name, int fallback) const;
};

// Turns the process arguments (without the program name) into an invocation;
// on bad usage sets error to a one-line reason and returns false.
namespace CliCommandLine {

bool parse(const QStringList &arguments, CliInvocation &invocation, QString &error);

// The usage text: every command with its arguments.
QString usage();
// One command's usage and what it does; the whole usage for an unknown one.
QString usage(const QString &command);
// The line that follows a usage error: the command's own help when it is one.
QString tryHelp(const QString &command = QString());

// Commands that change a fleet: they read every clock before they send, and
// mostly wait on clocks that answer slowly, so they talk to more at once.
bool isFleetRun(CliCommand command);
int defaultParallel(CliCommand command);

// "192.168.0.21" and other dotted IPv4 addresses only: four decimal numbers
// 0..255. Returns the canonical text, or an empty string when not one.
QString canonicalAddress(const QString &text);
// "02-A7-3C-DC-00-00": six hexadecimal pairs joined by "-" (or ":"); returns
// them upper case joined by "-", or an empty string.
QString canonicalMac(const QString &text);

} // namespace CliCommandLine
