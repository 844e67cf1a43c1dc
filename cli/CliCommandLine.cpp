#include "cli/CliCommandLine.h"

#include "model/AddressRange.h"
#include "cli/CliCommandLineSecrets.h"
#include "transport/ExchangeSchedule.h"
#include "values/Ipv4Text.h"
#include "core/Language.h"
#include "values/MacText.h"
#include "http/HttpListener.h"
#include "operations/audit/AuditChecks.h"

#include <QRegularExpression>
#include <QTimeZone>
#include <QVector>

namespace CliCommandLine {

namespace {

enum class ValueKind {
    Flag,    // no value
    Text,    // anything, the empty text included
    Address, // dotted IPv4
    OnOff,   // "on" or "off"
    Number,  // decimal within [minimum, maximum]
    Mac,     // six hexadecimal pairs
    Zone,    // a zone of the time-zone database, "Europe/Warsaw"
    TimeOfDay, // "HH:MM", 00:00 to 23:59
    Listen,  // [ADDRESS:]PORT
    LanguageCode, // en, pl, es, fr, it or de
    FirmwareMinimum, // MODEL=VERSION, "QM03=1.10"
};

struct OptionSpec
{
    const char *name;
    ValueKind kind;
    bool required = false;
    int minimum = 0;
    int maximum = 0;
    // May be given more than once; the values are kept one a line.
    bool repeats = false;
};

enum class ArgumentKind {
    Address,
    Clock, // a listed clock: its address, or its number on the list; empty with --mac
    Text,
    File,
    Range, // an address range (AddressRange)
};

struct CommandSpec
{
    const char *name;
    CliCommand command;
    QVector<ArgumentKind> arguments;
    // The last argument may repeat (config set FILE IP [IP ...]).
    bool lastRepeats;
    QVector<OptionSpec> options;
    // What follows the name in the usage; continuation lines start with "\n".
    const char *synopsis;
    // What "COMMAND --help" says below the synopsis.
    const char *help;
    // The last argument may be left out (mute IP or mute --group NAME).
    bool lastOptional = false;
};

// Said of every command that talks to one clock.
const char clockOptionsHelp[] =
    "Without --user, --password and --interface ADDR (a local interface address),\n"
    "the listed clock's credentials and interface are used; an unlisted clock gets\n"
    "empty credentials and the default interface.\n";
const char passwordHelp[] =
    "Give passwords as --password-file FILE (its first line), --password - (read\n"
    "from standard input, not echoed on a terminal) or in ZENTICK_PASSWORD, which\n"
    "stands for --password when neither is given: ps shows every argument.\n";
const char parallelHelp[] =
    "--parallel N talks to at most N clocks at once (the settings store's\n"
    "Exchanges/parallel, or 16).\n";
const char fleetParallelHelp[] =
    "--parallel N talks to at most N clocks at once (the settings store's\n"
    "Exchanges/parallel, or 32).\n";

// Upper limits that keep numbers in the ranges the clocks and the pause timer take.
constexpr int maxDhcpOptionNumber = 255;
constexpr int maxWebPanelTimeout = 65535;
constexpr int maxPauseMs = 10 * 60 * 1000;
constexpr int maxSaveIntervalSeconds = 24 * 60 * 60;
constexpr int maxChangeClocks = 200000;

const OptionSpec userOption{"user", ValueKind::Text};
const OptionSpec passwordOption{"password", ValueKind::Text};
const OptionSpec interfaceOption{"interface", ValueKind::Address};
// Picks one of the clocks listed at an address (or names it alone).
const OptionSpec macOption{"mac", ValueKind::Mac};
// Takes a listed clock's move by MAC without proof that it left its address.
const OptionSpec acceptMovesOption{"accept-moves", ValueKind::Flag};
// How many clocks to talk to at once (the settings store's value otherwise).
const OptionSpec parallelOption{"parallel", ValueKind::Number, false, 1, ExchangeSchedule::MaxBound};

const QVector<CommandSpec> &commandTable()
{
    static const QVector<CommandSpec> table = {
        {"help", CliCommand::Help, {}, false, {}, "", "Prints every command with its arguments.\n"},
        {"discover", CliCommand::Discover, {}, false,
         {userOption, passwordOption, {"add", ValueKind::Flag}, acceptMovesOption, parallelOption},
         "[--user U] [--password P] [--add] [--accept-moves] [--parallel N]",
         "Searches the local networks for clocks (a broadcast on every interface) and\n"
         "lists what it finds; --add puts the clocks not yet listed on the device list.\n"
         "U and P are the clocks' user and password, used to read their names; without\n"
         "--user, a clock listed at the address found keeps its stored credentials.\n"
         "A listed clock found elsewhere by its MAC moves there only when another clock\n"
         "answers at its old address, or with --accept-moves; a clock that refuses the\n"
         "password where a listed clock is, is that clock (\"wrong password for listed\n"
         "clock\"), never a new one.\n"},
        {"list", CliCommand::List, {}, false,
         {{"csv", ValueKind::Flag}, {"with-passwords", ValueKind::Flag}, {"output", ValueKind::Text}},
         "[--csv [--with-passwords] [-o FILE]]",
         "Prints the device list. --csv prints it as an address plan (ip, name, group,\n"
         "user, password and MAC, the passwords left empty unless --with-passwords is\n"
         "given), which import reads back as it was; -o FILE writes it to FILE instead,\n"
         "readable by its owner only. A cell a spreadsheet would run as a formula\n"
         "(beginning with =, +, -, @, a tab or a carriage return) is written after a\n"
         "\"'\", which import removes. On standard output passwords make a file owner-only\n"
         "too; only a terminal gets control characters shown as \"?\".\n"},
        {"add", CliCommand::Add, {ArgumentKind::Address}, false, {userOption, passwordOption, interfaceOption},
         "IP [--user U] [--password P] [--interface ADDR]",
         "Puts the clock at IP on the device list without asking it anything.\n"},
        {"remove", CliCommand::Remove, {ArgumentKind::Clock}, false, {macOption, {"all", ValueKind::Flag}},
         "IP|N [--mac MAC] [--all]",
         "Takes the clock at IP (or number N of list, or the one with --mac) off the\n"
         "device list; --all takes every clock listed at IP.\n"},
        {"status", CliCommand::Status, {ArgumentKind::Clock}, false,
         {macOption, userOption, passwordOption, interfaceOption},
         "IP|N [--mac MAC]", "Reads the clock's firmware, network settings and status and prints them.\n"},
        {"config get", CliCommand::ConfigGet, {ArgumentKind::Clock}, false,
         {{"output", ValueKind::Text, true}, macOption, userOption, passwordOption, interfaceOption},
         "IP|N [--mac MAC] -o/--output FILE.qlxztc",
         "Downloads the clock's configuration into a configuration file.\n"},
        {"config set", CliCommand::ConfigSet, {ArgumentKind::File, ArgumentKind::Address}, true,
         {userOption, passwordOption, interfaceOption, parallelOption},
         "FILE.qlxztc IP [IP ...] [--parallel N]",
         "Sends the configuration file to every clock named and says which took it.\n"},
        {"config show", CliCommand::ConfigShow, {ArgumentKind::File}, false, {}, "FILE.qlxztc",
         "Prints the settings a configuration file holds.\n"},
        {"name", CliCommand::Name, {ArgumentKind::Clock, ArgumentKind::Text}, false,
         {macOption, userOption, passwordOption, interfaceOption}, "IP|N [--mac MAC] NEW-NAME",
         "Gives the clock a new name; the listed clock takes it too.\n"},
        {"network", CliCommand::Network, {ArgumentKind::Clock}, false,
         {macOption,
          {"ip", ValueKind::Address},
          {"subnet", ValueKind::Address},
          {"gateway", ValueKind::Address},
          {"dhcp", ValueKind::OnOff},
          {"dns1", ValueKind::Address},
          {"dns2", ValueKind::Address},
          {"dhcp-opt42", ValueKind::OnOff},
          {"dhcp-private", ValueKind::OnOff},
          {"dhcp-private-number", ValueKind::Number, false, 0, maxDhcpOptionNumber},
          {"remote-access", ValueKind::OnOff},
          {"web-timeout", ValueKind::Number, false, 0, maxWebPanelTimeout},
          userOption, passwordOption, interfaceOption},
         "IP|N [--mac MAC] [--ip A] [--subnet M] [--gateway G] [--dhcp on|off]\n[--dns1 A] [--dns2 A] "
         "[--dhcp-opt42 on|off] [--dhcp-private on|off] [--dhcp-private-number N]\n"
         "[--remote-access on|off] [--web-timeout N]",
         "Changes the clock's network settings: it starts from the listed clock's\n"
         "settings (or the factory settings with the given address), changes only the\n"
         "fields named and sends them to the clock's current address.\n"},
        {"credentials", CliCommand::Credentials, {ArgumentKind::Clock}, false,
         {macOption, {"user", ValueKind::Text, true}, {"password", ValueKind::Text, true}, {"check", ValueKind::Flag}},
         "IP|N [--mac MAC] --user U --password P [--check]",
         "Sets the user name and password the program keeps for a listed clock, as the\n"
         "window's Authentication -> Set does; the clock itself is not changed (that is\n"
         "password). --check then asks the clock for its status once with them and\n"
         "says whether they worked (exit status 1 when not); they are kept either way.\n"},
        {"password", CliCommand::Password, {ArgumentKind::Clock}, true,
         {{"old", ValueKind::Text},
          {"new", ValueKind::Text},
          {"generate", ValueKind::Flag},
          {"output", ValueKind::Text},
          {"group", ValueKind::Text},
          {"all", ValueKind::Flag},
          {"plan", ValueKind::Text},
          {"dry-run", ValueKind::Flag},
          {"yes", ValueKind::Flag},
          {"canary", ValueKind::Number, false, 1, maxChangeClocks},
          {"wave", ValueKind::Number, false, 1, maxChangeClocks},
          {"max-failed", ValueKind::Text},
          {"csv", ValueKind::Flag},
          macOption, userOption, passwordOption, interfaceOption, parallelOption},
         "IP|N [--mac MAC] --old OLD --new NEW\n"
         "[IP|N ...] [--group NAME] [--all] [--plan PLAN.csv] [--old OLD]\n"
         "(--new NEW | --new-file FILE | --generate -o FILE)\n"
         "[--dry-run] [--yes] [--canary N] [--wave N] [--max-failed N|P%]\n"
         "[--csv] [--parallel N]",
         "Changes the clock's password; the listed clock keeps the new one.\n"
         "Given several clocks (addresses, --group, --all or the listed clocks of an\n"
         "address plan), or without --old, it changes them in waves as change does:\n"
         "it lists them, asks (or takes --yes), and each clock counts as verified only\n"
         "when it answers a status poll with the new password; then the device list\n"
         "keeps it. A clock that took the command but answers with neither password is\n"
         "not verified and the list keeps the new password for it; one that still\n"
         "answers to the old password failed and keeps the old. Without --old each\n"
         "clock's stored password is the old one. --new-file FILE gives one password\n"
         "for every clock (the file's first line) or, when its lines read\n"
         "ADDRESS,PASSWORD (or ADDRESS;PASSWORD, after an optional header ip,password),\n"
         "one per clock, its clocks being the run's when none are named. --generate\n"
         "makes a strong password for each clock and writes the list, in that form, to\n"
         "-o FILE (owner-only, never through a symbolic link) before anything is sent;\n"
         "no password is printed or kept in the history. --dry-run lists the clocks.\n"
         "The first wave has --canary N clocks (1 %, at least 1), each later one --wave N\n"
         "(10 %); once more clocks failed than --max-failed N or P% (5 %), the run stops\n"
         "before the next wave. Prints clock, state, stored password (new or old) and\n"
         "error per clock (--csv, --json); exits with 1 unless every clock is verified.\n",
         true},
        {"resolve-conflicts", CliCommand::ResolveConflicts, {}, false,
         {{"user", ValueKind::Text, true},
          {"password", ValueKind::Text, true},
          {"first-ip", ValueKind::Address},
          {"first-mac", ValueKind::Mac},
          {"pause-ms", ValueKind::Number, false, 0, maxPauseMs},
          parallelOption},
         "--user U --password P [--first-ip A] [--first-mac M] [--pause-ms N]\n[--parallel N]",
         "Gives every clock still at the factory address 192.168.0.11 an address and a\n"
         "MAC of its own, counting up from A (192.168.0.12) and M (02-A7-3C-DC-00-00),\n"
         "one clock every N milliseconds (10000).\n"},
        {"test-mail", CliCommand::TestMail, {}, false, {}, "",
         "Sends the test e-mail with the stored notification settings.\n"},
        {"monitor", CliCommand::Monitor, {}, false,
         {{"save-interval", ValueKind::Number, false, 1, maxSaveIntervalSeconds},
          {"audit-daily", ValueKind::TimeOfDay},
          {"site-zone", ValueKind::Zone},
          {"metrics", ValueKind::Listen},
          {"board", ValueKind::Listen},
          {"board-token-file", ValueKind::Text},
          {"board-host", ValueKind::Text, false, 0, 0, true},
          {"language", ValueKind::LanguageCode},
          {"mail", ValueKind::OnOff},
          parallelOption},
         "[--save-interval SECONDS] [--audit-daily HH:MM] [--site-zone ZONE]\n"
         "[--metrics [ADDRESS:]PORT] [--language CODE] [--mail on|off] [--parallel N]\n"
         "[--board [ADDRESS:]PORT] [--board-token-file FILE] [--board-host NAME]...",
         "Watches the clocks as the window does, until stopped: polls their status,\n"
         "sends the alert mails, writes the report and saves the device list every\n"
         "SECONDS (150). --audit-daily runs the audit every day at HH:MM and mails the\n"
         "findings to the alert recipients when they changed since the last mail.\n"
         "--metrics serves the clocks' state for Prometheus on /metrics (127.0.0.1 when\n"
         "no address is given), and the status board at / with its API under /api/v1/.\n"
         "--board serves the board on a listener of its own instead; --board-token-file\n"
         "asks every board request for \"Authorization: Bearer\" and the token in FILE\n"
         "(at least 16 characters). Both listeners answer only requests naming one of\n"
         "their addresses, localhost, or a NAME given with --board-host (repeatable) or\n"
         "in the setting Monitor/boardHosts.\n"
         "--language writes the mails and the report in en, pl, es,\n"
         "fr, it or de (English by default). --mail off sends no alert, recovery or audit\n"
         "mail, for sites where Alertmanager mails the alerts from the metrics (default:\n"
         "the setting Monitor/mail of the settings file, on when unset).\n"},
        {"add-range", CliCommand::AddRange, {ArgumentKind::Range}, false,
         {{"user", ValueKind::Text, true}, {"password", ValueKind::Text, true}, {"force", ValueKind::Flag},
          acceptMovesOption},
         "RANGE --user U --password P [--force] [--accept-moves]",
         "Asks every address of RANGE directly, without a broadcast, whether a clock\n"
         "answers there, and puts the clocks it finds on the device list: a listed clock\n"
         "found at another address (known by its MAC) moves there instead of being added\n"
         "twice. RANGE is FIRST-LAST (10.20.1.10-10.20.1.200), NETWORK/PREFIX\n"
         "(10.20.1.0/24: .1 to .254) or one address; more than 4096 addresses need\n"
         "--force. Each address is first asked without credentials: only one that\n"
         "answers as a clock's server does (401, or a device-information reply) is sent\n"
         "P. A listed clock moves only when its old address answers with another MAC, or\n"
         "with --accept-moves (otherwise: MAC conflict, nothing changes). Prints one line per address:\n"
         "added, already listed, moved, MAC conflict, not a clock, no answer or wrong\n"
         "password. Exits with 1 when an address gave no answer, refused the password\n"
         "or was in a MAC conflict.\n"},
        {"import", CliCommand::Import, {ArgumentKind::File}, false,
         {userOption, passwordOption, {"rename", ValueKind::Flag}, {"answering-only", ValueKind::Flag},
          acceptMovesOption},
         "PLAN.csv [--user U] [--password P] [--rename] [--answering-only] [--accept-moves]",
         "Does what add-range does for the addresses of an address plan: a CSV file whose\n"
         "header names the columns ip, name, group, user, password and mac (only ip is\n"
         "needed; UTF-8; commas or semicolons; quoted fields as spreadsheets write\n"
         "them; rows at one address told apart by mac). Each clock goes into the plan's\n"
         "group, which is made when missing; --rename gives clocks the plan's names.\n"
         "A row without credentials uses those of the clock listed at its address, or\n"
         "else U and P. A row where nothing answers, or that refuses the\n"
         "password, is listed as the plan gives it, unless --answering-only is given.\n"
         "A plan with a fault changes nothing. Exits with 1 when an address gave no\n"
         "answer, refused the password or could not be renamed.\n"},
        {"audit", CliCommand::Audit, {}, false,
         {{"group", ValueKind::Text},
          {"site-zone", ValueKind::Zone},
          {"min-firmware", ValueKind::FirmwareMinimum, false, 0, 0, true},
          parallelOption},
         "[--group NAME] [--site-zone ZONE] [--min-firmware MODEL=VERSION]...\n[--parallel N]",
         "Downloads every listed clock's configuration (or a group's) and reports\n"
         "clocks that cannot be reached, that have no time source, whose daylight saving\n"
         "leaves the site's zone (ZONE, the system's zone by default) in the next 24\n"
         "months, or that differ from their group's configuration. The clocks' firmware\n"
         "is taken to apply the public summer-time rules of its localization preset;\n"
         "with TimeZoneActive off a clock keeps UTC. --min-firmware QM03=1.10\n"
         "(repeatable) warns of every QM03 whose listed firmware is older than 1.10; it\n"
         "comes before the setting Audit/minFirmware for that model. It exits with 1\n"
         "when it found anything.\n"},
        {"change", CliCommand::Change, {ArgumentKind::Clock}, true,
         {{"group", ValueKind::Text},
          {"all", ValueKind::Flag},
          {"plan", ValueKind::Text},
          {"set", ValueKind::Text, false, 0, 0, true},
          {"from", ValueKind::Text},
          {"only", ValueKind::Text},
          {"align", ValueKind::Flag},
          {"site-zone", ValueKind::Zone},
          {"dry-run", ValueKind::Flag},
          {"yes", ValueKind::Flag},
          {"canary", ValueKind::Number, false, 1, maxChangeClocks},
          {"wave", ValueKind::Number, false, 1, maxChangeClocks},
          {"max-failed", ValueKind::Text},
          {"resume", ValueKind::Text},
          {"csv", ValueKind::Flag},
          parallelOption},
         "[IP|N ...] [--group NAME] [--all] [--plan PLAN.csv]\n(--set FIELD=VALUE... | --from FILE --only FIELD,... | --align [--site-zone ZONE])\n"
         "[--dry-run] [--yes] [--canary N] [--wave N] [--max-failed N|P%] [--csv]\n"
         "[--parallel N]\n--resume ID [--yes] [--max-failed N|P%] [--csv]",
         "Changes some fields of many clocks and leaves every other field as each clock\n"
         "has it. It reads each clock's configuration, prints the plan (per clock each\n"
         "field old -> new; clocks already right are skipped, and so is a clock whose\n"
         "configuration cannot be read whole), asks (or takes --yes), then sends each\n"
         "clock only the parts (time, display, alarms) that change and reads it back:\n"
         "a clock that does not show the change is not verified and counts as failed.\n"
         "Fields are named as in the configuration file: Server1, TimeZone, Brightness,\n"
         "Alarm2.Time; --set takes a value as config show prints it (on/off, a number\n"
         "or the choice's text, HH:MM). --from FILE --only Server1,Alarm2 takes those\n"
         "fields from a configuration file. --align brings each clock into line with\n"
         "its group's configuration in the fields the audit finds different, and its\n"
         "daylight-saving fields where the audit finds its offset leaving the site's\n"
         "zone (ZONE, the stored site zone or the system's).\n"
         "--plan PLAN.csv takes the listed clocks of an address plan (as import reads\n"
         "it), found by each row's address (and MAC, where given); rows of clocks not\n"
         "listed are left out, said.\n"
         "--dry-run stops after the plan. The first wave has --canary N clocks (1 %, at\n"
         "least 1), each later one --wave N (10 %); once more clocks failed than\n"
         "--max-failed N or P% (5 %), the run stops before the next wave. Each run has\n"
         "an id and a file in the data folder; --resume ID goes on with the clocks not\n"
         "yet done (under a new --max-failed if given), and a clock already showing\n"
         "the change is not sent again. Prints\n"
         "clock, fields, before, after, verified and error per clock (--csv, --json);\n"
         "exits with 1 unless every clock is verified or was already right.\n",
         true},
        {"mute", CliCommand::Mute, {ArgumentKind::Clock}, false,
         {{"group", ValueKind::Text}, {"until", ValueKind::Text}, {"weekly", ValueKind::Text},
          {"zone", ValueKind::Zone}},
         "IP|N|--group NAME [--until TIME | --weekly WINDOWS [--zone ZONE]]",
         "Starts a quiet period for a clock or a whole group: it is polled and shown as\n"
         "usual but no alert mail names it, until TIME (\"2026-12-08 18:00\", or a span\n"
         "from now such as 90m, 8h or 2d) or until unmuted. --weekly sets quiet hours\n"
         "that come back every week instead, such as \"Mon-Fri 22:00-06:00, Sat-Sun\"\n"
         "(a window ending before it starts ends the next day; days alone are whole\n"
         "days) in ZONE (Europe/Berlin; the system's zone by default); they replace the\n"
         "target's earlier quiet hours. While the window or the monitor holds the device\n"
         "list, the request is left for it to apply.\n",
         true},
        {"unmute", CliCommand::Unmute, {ArgumentKind::Clock}, false,
         {{"group", ValueKind::Text}, {"weekly", ValueKind::Flag}}, "IP|N|--group NAME [--weekly]",
         "Ends a quiet period now; an alert that fell due meanwhile is mailed. --weekly\n"
         "clears the weekly quiet hours instead.\n",
         true},
        {"events", CliCommand::Events, {}, false,
         {{"clock", ValueKind::Address}, {"since", ValueKind::Text}, {"changes", ValueKind::Flag}},
         "[--clock IP] [--since TIME] [--changes]",
         "Prints what happened to the clocks, oldest first, from the journal the window\n"
         "or the monitor keeps: answering or not, NTP state, alerts due, mails, recoveries,\n"
         "quiet periods, and when monitoring started and stopped. TIME is a date\n"
         "(\"2026-12-01\"), a date and time, or a span back from now (90m, 8h, 2d).\n"
         "--changes shows only what operators wrote to clocks: who (user and host), the\n"
         "fields before and after, the run, the outcome.\n"},
        {"report availability", CliCommand::ReportAvailability, {}, false,
         {{"from", ValueKind::Text}, {"to", ValueKind::Text}, {"period", ValueKind::Text}, {"at", ValueKind::Text},
          {"group", ValueKind::Text}, {"csv", ValueKind::Flag}, {"output", ValueKind::Text}},
         "(--from TIME --to TIME | --period day|week|month [--at DATE]) [--group NAME]\n[--csv] [-o FILE.xlsx]",
         "Prints how available and how well synchronised each clock, each group and the\n"
         "site were from --from up to --to (TIME as for events, or now), or over the\n"
         "last complete day, week (from Monday) or month in local time, or the one\n"
         "holding DATE (2026-11-15) with --at, from the\n"
         "history the window or the monitor keeps: the share of time answering and\n"
         "synchronised, incidents (count, longest, total), the mean time to recovery,\n"
         "time quiet (a quiet period or weekly quiet hours, left out of the shares) and\n"
         "time unknown (no monitor was running, or still ahead: never counted as\n"
         "available). --group keeps one group; --csv prints one row per clock, group\n"
         "and the site. -o FILE.xlsx also writes the figures as a workbook (a summary\n"
         "sheet, a sheet per group with its clocks and outages), readable by its owner\n"
         "only.\n"},
    };
    return table;
}

bool talksToOneClock(const CommandSpec &entry)
{
    for (const OptionSpec &option : entry.options) {
        if (option.name == interfaceOption.name)
            return true;
    }
    return false;
}

bool takesParallel(const CommandSpec &entry)
{
    for (const OptionSpec &option : entry.options) {
        if (option.name == parallelOption.name)
            return true;
    }
    return false;
}

// "  name synopsis", continuation lines indented under the synopsis.
QString usageLine(const CommandSpec &entry)
{
    const QString name = QLatin1String(entry.name);
    QString synopsis = QLatin1String(entry.synopsis);
    synopsis.replace(QLatin1Char('\n'), QLatin1Char('\n') + QString(name.size() + 3, QLatin1Char(' ')));
    return (QStringLiteral("  ") + name + (synopsis.isEmpty() ? QString() : QLatin1Char(' ') + synopsis))
        + QLatin1Char('\n');
}

const CommandSpec *findCommand(const QString &name)
{
    for (const CommandSpec &entry : commandTable()) {
        if (name == QLatin1String(entry.name))
            return &entry;
    }
    return nullptr;
}

// Edits (insertions, deletions, substitutions, swaps of neighbours) that
// turn a into b: "lsit" is one edit from "list".
int editDistance(const QString &a, const QString &b)
{
    const int width = b.size() + 1;
    QVector<int> d((a.size() + 1) * width);
    auto at = [&d, width](int i, int j) -> int & { return d[i * width + j]; };
    for (int i = 0; i <= a.size(); ++i)
        at(i, 0) = i;
    for (int j = 0; j <= b.size(); ++j)
        at(0, j) = j;
    for (int i = 1; i <= a.size(); ++i) {
        for (int j = 1; j <= b.size(); ++j) {
            const int cost = a.at(i - 1) == b.at(j - 1) ? 0 : 1;
            at(i, j) = qMin(qMin(at(i - 1, j) + 1, at(i, j - 1) + 1), at(i - 1, j - 1) + cost);
            if (i > 1 && j > 1 && a.at(i - 1) == b.at(j - 2) && a.at(i - 2) == b.at(j - 1))
                at(i, j) = qMin(at(i, j), at(i - 2, j - 2) + 1);
        }
    }
    return at(a.size(), b.size());
}

// The candidate closest to a mistyped word, when it is close enough to be
// what was meant (at most two edits, fewer for short words); empty otherwise.
QString closest(const QString &typed, const QStringList &candidates)
{
    const int allowed = qMin(2, qMax(1, typed.size() / 3));
    QString best;
    int bestDistance = allowed + 1;
    for (const QString &candidate : candidates) {
        const int distance = editDistance(typed, candidate);
        if (distance < bestDistance) {
            best = candidate;
            bestDistance = distance;
        }
    }
    return best;
}

QString unknownCommandText(const QString &name)
{
    QStringList names;
    for (const CommandSpec &entry : commandTable())
        names << QLatin1String(entry.name);
    const QString guess = closest(name, names);
    const QString text = QStringLiteral("unknown command \"%1\"").arg(name);
    return guess.isEmpty() ? text : text + QStringLiteral("; did you mean \"%1\"?").arg(guess);
}

const OptionSpec *findOption(const CommandSpec &entry, const QString &name)
{
    for (const OptionSpec &option : entry.options) {
        if (name == QLatin1String(option.name))
            return &option;
    }
    // --password-file, --old-file and --new-file go with the option they name.
    static const OptionSpec fileForm{"password-file", ValueKind::Text};
    QString base;
    if (CliCommandLineSecrets::isFileForm(name, &base) && findOption(entry, base))
        return &fileForm;
    return nullptr;
}

// Checks one option value; returns the value to keep, or sets error.
QString checkedValue(const OptionSpec &option, const QString &value, QString &error)
{
    const QString name = QStringLiteral("--") + QLatin1String(option.name);
    switch (option.kind) {
    case ValueKind::Flag:
    case ValueKind::Text:
        return value;
    case ValueKind::Address: {
        const QString address = canonicalAddress(value);
        if (address.isEmpty())
            error = QStringLiteral("%1: \"%2\" is not an IPv4 address").arg(name, value);
        return address;
    }
    case ValueKind::OnOff:
        if (value != QLatin1String("on") && value != QLatin1String("off"))
            error = QStringLiteral("%1: expected on or off, not \"%2\"").arg(name, value);
        return value;
    case ValueKind::Number: {
        static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
        const int number = digits.match(value).hasMatch() ? value.toInt() : -1;
        if (number < option.minimum || number > option.maximum) {
            error = QStringLiteral("%1: expected a number from %2 to %3, not \"%4\"")
                        .arg(name)
                        .arg(option.minimum)
                        .arg(option.maximum)
                        .arg(value);
        }
        return QString::number(number);
    }
    case ValueKind::Mac: {
        const QString mac = canonicalMac(value);
        if (mac.isEmpty())
            error = QStringLiteral("%1: \"%2\" is not a MAC address like 02-A7-3C-DC-00-00").arg(name, value);
        return mac;
    }
    case ValueKind::TimeOfDay: {
        static const QRegularExpression hhmm(QStringLiteral("^([01][0-9]|2[0-3]):[0-5][0-9]$"));
        if (!hhmm.match(value).hasMatch())
            error = QStringLiteral("%1: expected a time of day HH:MM, not \"%2\"").arg(name, value);
        return value;
    }
    case ValueKind::LanguageCode: {
        Language language;
        if (!LanguageManager::languageForCode(value, &language))
            error = QStringLiteral("%1: expected en, pl, es, fr, it or de, not \"%2\"").arg(name, value);
        return value;
    }
    case ValueKind::Zone:
        if (!QTimeZone(value.toUtf8()).isValid())
            error = QStringLiteral("%1: \"%2\" is not a time zone like Europe/Warsaw").arg(name, value);
        return value;
    case ValueKind::FirmwareMinimum: {
        AuditChecks::FirmwareMinimums checked;
        if (!AuditChecks::addMinimumFirmware(value, checked))
            error = QStringLiteral("%1: expected MODEL=VERSION, a model QM01 to QM12 and a version such as 1.10, "
                                   "not \"%2\"")
                        .arg(name, value);
        return value;
    }
    case ValueKind::Listen: {
        QHostAddress address;
        quint16 port = 0;
        if (!HttpListener::parseListenAddress(value, address, port))
            error = QStringLiteral("%1: expected [ADDRESS:]PORT, not \"%2\"").arg(name, value);
        return value;
    }
    }
    return value;
}

QString checkedArgument(ArgumentKind kind, const QString &value, QString &error, bool macGiven)
{
    switch (kind) {
    case ArgumentKind::Clock: {
        static const QRegularExpression number(QStringLiteral("^[0-9]{1,9}$"));
        if ((value.isEmpty() && macGiven) || number.match(value).hasMatch())
            return value;
        const QString address = canonicalAddress(value);
        if (address.isEmpty())
            error = QStringLiteral("\"%1\" is not an IPv4 address nor a number of the device list").arg(value);
        return address;
    }
    case ArgumentKind::Address: {
        const QString address = canonicalAddress(value);
        if (address.isEmpty())
            error = QStringLiteral("\"%1\" is not an IPv4 address").arg(value);
        return address;
    }
    case ArgumentKind::File:
        if (value.isEmpty())
            error = QStringLiteral("the file name is empty");
        return value;
    case ArgumentKind::Text:
        if (value.isEmpty())
            error = QStringLiteral("the name is empty");
        return value;
    case ArgumentKind::Range: {
        AddressRange range;
        QString why;
        if (!AddressRange::parse(value, range, &why))
            error = why;
        return value.trimmed();
    }
    }
    return value;
}

// What an argument is, for "status: give the clock's IP address".
QString argumentNoun(const CommandSpec &entry, ArgumentKind kind)
{
    switch (kind) {
    case ArgumentKind::Address:
    case ArgumentKind::Clock:
        return QStringLiteral("the clock's IP address");
    case ArgumentKind::Range:
        return QStringLiteral("the address range");
    case ArgumentKind::Text:
        return QStringLiteral("the new name");
    case ArgumentKind::File:
        return QLatin1String(entry.synopsis).contains(QLatin1String(".csv")) ? QStringLiteral("the address plan file")
                                                                              : QStringLiteral("the configuration file");
    }
    return QString();
}

// The arguments from `first` on that are missing, named.
QString missingArgumentsText(const CommandSpec &entry, int first, int least)
{
    QStringList nouns;
    for (int i = first; i < least; ++i)
        nouns << argumentNoun(entry, entry.arguments.at(i));
    return nouns.join(QStringLiteral(" and "));
}

} // namespace

bool isFleetRun(CliCommand command)
{
    return command == CliCommand::Change || command == CliCommand::Password;
}

int defaultParallel(CliCommand command)
{
    return isFleetRun(command) ? 2 * ExchangeSchedule::DefaultBound : ExchangeSchedule::DefaultBound;
}

QString canonicalAddress(const QString &text)
{
    return Ipv4Text::canonical(text);
}

QString canonicalMac(const QString &text)
{
    return MacText::canonical(text);
}

bool parse(const QStringList &arguments, CliInvocation &invocation, QString &error)
{
    invocation = CliInvocation();
    QStringList words;
    bool optionsEnded = false;
    // --json may stand anywhere before "--"; everything else belongs to the command.
    for (const QString &argument : arguments) {
        if (!optionsEnded && argument == QLatin1String("--json")) {
            invocation.json = true;
            continue;
        }
        if (argument == QLatin1String("--"))
            optionsEnded = true;
        words << argument;
    }
    if (words.isEmpty() || words.constFirst() == QLatin1String("--")) {
        error = QStringLiteral("no command given");
        return false;
    }

    const QString first = words.takeFirst();
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        invocation.command = CliCommand::Help;
        return true;
    }
    if (first == QLatin1String("--version") || first == QLatin1String("-V")) {
        invocation.command = CliCommand::Version;
        return true;
    }
    QString name = first;
    if (first == QLatin1String("config")) {
        if (words.isEmpty() || words.constFirst().startsWith(QLatin1Char('-'))) {
            error = QStringLiteral("config: expected get, set or show");
            return false;
        }
        name += QLatin1Char(' ') + words.takeFirst();
    }
    if (first == QLatin1String("report")) {
        if (words.isEmpty() || words.constFirst().startsWith(QLatin1Char('-'))) {
            error = QStringLiteral("report: expected availability");
            return false;
        }
        name += QLatin1Char(' ') + words.takeFirst();
    }
    const CommandSpec *entry = findCommand(name);
    if (!entry) {
        error = unknownCommandText(name);
        return false;
    }
    invocation.command = entry->command;
    invocation.commandName = name;
    for (const QString &word : qAsConst(words)) {
        if (word == QLatin1String("--"))
            break;
        if (word == QLatin1String("--help") || word == QLatin1String("-h")) {
            invocation.command = CliCommand::Help;
            invocation.helpFor = name;
            return true;
        }
    }

    optionsEnded = false;
    for (int i = 0; i < words.size(); ++i) {
        const QString word = words.at(i);
        if (!optionsEnded && word == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        const bool isOption = !optionsEnded && word.size() > 1 && word.startsWith(QLatin1Char('-'));
        if (!isOption) {
            invocation.arguments << word;
            continue;
        }
        QString optionName;
        QString value;
        bool hasInlineValue = false;
        if (word == QLatin1String("-o")) {
            optionName = QStringLiteral("output");
        } else if (word.startsWith(QLatin1String("--"))) {
            optionName = word.mid(2);
            const int equals = optionName.indexOf(QLatin1Char('='));
            if (equals >= 0) {
                value = optionName.mid(equals + 1);
                optionName.truncate(equals);
                hasInlineValue = true;
            }
        } else {
            error = QStringLiteral("%1: unknown option %2").arg(name, word);
            return false;
        }
        const OptionSpec *option = findOption(*entry, optionName);
        if (!option) {
            QStringList names;
            for (const OptionSpec &known : entry->options)
                names << QLatin1String(known.name);
            const QString guess = closest(optionName, names);
            error = QStringLiteral("%1: unknown option --%2").arg(name, optionName);
            if (!guess.isEmpty())
                error += QStringLiteral("; did you mean --%1?").arg(guess);
            return false;
        }
        if (option->kind == ValueKind::Flag) {
            if (hasInlineValue) {
                error = QStringLiteral("%1: --%2 takes no value").arg(name, optionName);
                return false;
            }
        } else if (!hasInlineValue) {
            if (i + 1 >= words.size()) {
                error = QStringLiteral("%1: --%2 needs a value").arg(name, optionName);
                return false;
            }
            value = words.at(++i);
        }
        if (invocation.options.contains(optionName) && !option->repeats) {
            error = QStringLiteral("%1: --%2 given twice").arg(name, optionName);
            return false;
        }
        const QString checked = checkedValue(*option, value, error);
        if (!error.isEmpty()) {
            error = name + QStringLiteral(": ") + error;
            return false;
        }
        if (invocation.options.contains(optionName))
            invocation.options[optionName] += QLatin1Char('\n') + checked;
        else
            invocation.options.insert(optionName, checked);
    }

    // A password run reads the whole file itself: it may give a password per clock.
    if (entry->command == CliCommand::Password && invocation.options.contains(QStringLiteral("new-file")))
        invocation.options.insert(QStringLiteral("new-list"), invocation.options.value(QStringLiteral("new-file")));
    if (!CliCommandLineSecrets::resolve(invocation.options, findOption(*entry, QStringLiteral("password")), error)) {
        error = name + QStringLiteral(": ") + error;
        return false;
    }
    const int expected = entry->arguments.size();
    const bool macGiven = invocation.hasOption(QStringLiteral("mac"));
    // With --mac the clock's address may be left out.
    if (macGiven && !entry->arguments.isEmpty() && entry->arguments.constFirst() == ArgumentKind::Clock
        && invocation.arguments.size() < expected)
        invocation.arguments.prepend(QString());
    const int given = invocation.arguments.size();
    const int least = entry->lastOptional ? expected - 1 : expected;
    if (given < least) {
        error = QStringLiteral("%1: give %2").arg(name, missingArgumentsText(*entry, given, least));
        return false;
    }
    // Said after the missing arguments: those are what the command is about.
    for (const OptionSpec &option : entry->options) {
        if (option.required && !invocation.options.contains(QLatin1String(option.name))) {
            error = QStringLiteral("%1: --%2 is required").arg(name, QLatin1String(option.name));
            return false;
        }
    }

    if (entry->command == CliCommand::Password) {
        const bool generate = invocation.hasOption(QStringLiteral("generate"));
        if (!generate && !invocation.hasOption(QStringLiteral("new")))
            error = QStringLiteral("password: --new is required (or --new-file FILE, or --generate -o FILE)");
        else if (generate && invocation.hasOption(QStringLiteral("new")))
            error = QStringLiteral("password: --generate and --new or --new-file exclude each other");
        else if (generate != invocation.hasOption(QStringLiteral("output")))
            error = QStringLiteral("password: --generate and -o FILE go together");
        if (!error.isEmpty())
            return false;
    }

    if (given > expected && !entry->lastRepeats) {
        error = QStringLiteral("%1: unexpected argument \"%2\"").arg(name, invocation.arguments.at(expected));
        return false;
    }
    for (int i = 0; i < given; ++i) {
        const ArgumentKind kind = entry->arguments.at(qMin(i, expected - 1));
        const QString checked = checkedArgument(kind, invocation.arguments.at(i), error, macGiven);
        if (!error.isEmpty()) {
            error = name + QStringLiteral(": ") + error;
            return false;
        }
        invocation.arguments[i] = checked;
    }
    return true;
}

QString usage()
{
    QString text = QStringLiteral("Usage: zentick-cli [--json] <command> [arguments]\n");
    for (const CommandSpec &entry : commandTable()) {
        if (entry.command != CliCommand::Help)
            text += usageLine(entry);
    }
    text += QStringLiteral(
        "\n"
        "status, config get, config set, name, network and password also take\n"
        "--user U, --password P and --interface ADDR; without them the credentials\n"
        "and interface of the listed clock are used.\n"
        "A listed clock is named by its IP, by its number N in 'list', or with\n"
        "--mac MAC; when several listed clocks share an address, the address alone\n"
        "is refused (exit 2) and they are listed.\n"
        "Passwords stay off the command line (where ps shows them) with\n"
        "--password-file FILE (its first line), --password - (read from standard input,\n"
        "not echoed) or the environment variable ZENTICK_PASSWORD, which stands for\n"
        "--password when neither is given; --old and --new take -, --old-file and\n"
        "--new-file alike.\n"
        "'zentick-cli COMMAND --help' says what a command does; 'zentick-cli --version'\n"
        "prints the version.\n"
        "Exit status: 0 success, 1 the operation failed, 2 bad usage or a missing\n"
        "input file.\n");
    return text;
}

QString usage(const QString &command)
{
    const CommandSpec *entry = findCommand(command);
    if (!entry || entry->command == CliCommand::Help)
        return usage();
    QString text = QStringLiteral("Usage: zentick-cli [--json]") + usageLine(*entry).mid(1) + QLatin1Char('\n')
        + QLatin1String(entry->help);
    if (talksToOneClock(*entry))
        text += QLatin1String(clockOptionsHelp);
    if (findOption(*entry, QStringLiteral("password")))
        text += QLatin1String(passwordHelp);
    if (takesParallel(*entry))
        text += QLatin1String(isFleetRun(entry->command) ? fleetParallelHelp : parallelHelp);
    return text;
}

QString tryHelp(const QString &command)
{
    if (!findCommand(command))
        return QStringLiteral("Try 'zentick-cli --help'.");
    return QStringLiteral("Try 'zentick-cli %1 --help'.").arg(command);
}

} // namespace CliCommandLine

int CliInvocation::intOption(const QString &name, int fallback) const
{
    bool ok = false;
    const int value = options.value(name).toInt(&ok);
    return ok ? value : fallback;
}
