#pragma once

#include "cli/CliCommandLine.h"
#include "cli/CliOutput.h"
#include "cli/ProgressIndicator.h"
#include "operations/SenderTarget.h"

#include <QString>

#include <functional>
#include <memory>

class ClockRegistry;
class Communication;
class DataSender;
class DevClock;
class DeviceListLock;
class EventJournal;
class OperatorRecorder;
struct OperatorChange;
struct NotificationSettings;

// What every command handler of one run shares: the parsed command line, the
// output streams, the progress display and the access to the state file.
class CliSession
{
public:
    // Works on this list through exchanges, with the alert settings the state
    // file holds; all three outlive the session.
    CliSession(ClockRegistry &registry, Communication &exchanges, NotificationSettings &alerts,
               const CliInvocation &invocation, CliOutput &output, bool progressOnTerminal);
    ~CliSession();

    ClockRegistry &registry() const { return m_registry; }
    Communication &exchanges() const { return m_exchanges; }
    NotificationSettings &alerts() const { return m_alerts; }
    const CliInvocation &invocation() const { return m_invocation; }
    CliOutput &output() { return m_output; }
    ProgressIndicator &progress() { return *m_progress; }

    // What a command does with the device list.
    enum class Access { Read, Write };
    // Reads the state file into the registry and the notification settings.
    // A missing file is an empty list. A file that exists but cannot be read
    // fails the run, saying where the file is now: a command that went on
    // would start an empty list the user never asked for. Write first takes
    // the device-list lock and holds it for the rest of the run, so the list
    // read is the one written back; when another writer holds it the run
    // fails, naming the holder. Returns ExitSuccess or the exit status.
    // Quietly::Yes says nothing when the lock is held elsewhere (the caller
    // asks lockHeldElsewhere() and has another way).
    enum class Quietly { No, Yes };
    int loadState(Access access = Access::Read, Quietly quietly = Quietly::No);
    // After a failed loadState for writing: a running program holds the list.
    bool lockHeldElsewhere() const { return m_lockHeldElsewhere; }
    // Writes the state file; false, with a message, when it could not be
    // written or the list was not loaded for writing.
    bool saveState();

    // A clock to talk to and where it came from.
    struct Target
    {
        SenderTarget target;
        DevClock *listed = nullptr; // the clock on the device list, if any
        int index = -1;             // its position there
        QString ip;                 // where the clock is
    };
    // handle names a listed clock by its address, its number on the list or
    // (with --mac) its MAC; an address no clock is listed at is an unlisted
    // clock. --user, --password and --interface when given, else the listed
    // clock's values, else empty credentials and the default interface.
    // ExitSuccess; ExitFailed, with a message, when --interface names no
    // local interface or the number or MAC no listed clock; ExitUsage, listing
    // them, when several listed clocks share the address and nothing picks one.
    int findTarget(const QString &handle, Target &target);
    bool resolveTarget(const QString &handle, Target &target) { return findTarget(handle, target) == ExitSuccess; }
    // The listed clocks a handle names (all of those at an address), and a
    // message when it names none.
    QList<int> listedClocks(const QString &handle, QString &failure) const;
    // The listed clocks a handle names for a command that acts only on the
    // list: ExitFailed, said, when it names none; ExitUsage, listing them,
    // when it names several and several are not wanted.
    enum class Several { Refused, Wanted };
    int findListed(const QString &handle, QList<int> &named, Several several = Several::Refused);
    // Says which clocks share the address; ExitUsage.
    int ambiguous(const QString &ip, const QList<int> &clocks);
    // A usage fault a command finds itself ("list: --with-passwords needs
    // --csv"): said after "zentick-cli: ", then the command's help line, as
    // the parser's are; ExitUsage.
    int usageError(const QString &reason);
    // An input file that is not there is a usage fault as well, worded as
    // import words it: ExitUsage, or ExitSuccess when the file exists.
    int requireInputFile(const QString &path);
    // The local interface with this address; false when there is none.
    static bool findInterface(const QString &address, NetworkCardData &card);

    // What became of a sender.
    // Writes what an operator did to the clock at ip into the history (its
    // name and group from the list where it is listed). The history is
    // opened on the first change.
    void recordChange(const QString &ip, const OperatorChange &change);
    // Writes the changes recorded; false (and a message) when the history
    // cannot take them.
    bool recordedChanges();

    enum class Outcome { Finished, Failed, Canceled };
    // Waits for a queued sender to end, showing progress under label. onEnd
    // runs while the sender still exists (the pool deletes it right after),
    // so results must be read there.
    Outcome runSender(DataSender *sender, const QString &label,
                      const std::function<void(DataSender *)> &onEnd = {});

private:
    ClockRegistry &m_registry;
    Communication &m_exchanges;
    NotificationSettings &m_alerts;
    CliInvocation m_invocation;
    CliOutput &m_output;
    std::unique_ptr<ProgressIndicator> m_progress;
    std::unique_ptr<DeviceListLock> m_lock;
    std::unique_ptr<EventJournal> m_journal;
    std::unique_ptr<OperatorRecorder> m_operators;
    bool m_lockHeldElsewhere = false;
};
