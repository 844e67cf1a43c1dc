#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

class QThread;
class JournalWriter;

// One thing that happened to a clock. The journal, the history view, the
// monitor and `zentick-cli events` all read these.
struct ClockEvent
{
    enum class Kind {
        Unreachable, // it stopped answering
        Reachable,   // it answers again
        Ntp,         // its NTP state changed (ntp)
        AlertDue,    // an alert counter reached its limit (alert)
        Mailed,      // an alert mail naming it was delivered (clocks: how many the mail named)
        MailFailed,  // an alert mail naming it was not (detail: the mail server's word)
        Recovered,   // well again after an alert (detail: for how long it was not)
        RecoveryMailed,
        Muted,       // a quiet period began (detail: until when, empty: until lifted)
        Unmuted,     // it ended (detail: "lifted" or "expired")
    };

    QDateTime time; // UTC
    QString ip;
    QString name;
    QString group;
    Kind kind = Kind::Ntp;
    int ntp = -1;   // an NtpStatus, for Ntp events
    int alert = -1; // the due alert record, for AlertDue and mail events
    int clocks = 0; // how many clocks the mail named
    QString detail;

    // One line of JSON, without the line end.
    QByteArray toJson() const;
    // False for a line that is not an event (a corrupt or cut-off line).
    static bool fromJson(const QByteArray &line, ClockEvent &event);
    static QString kindName(Kind kind);
};

// The events of all clocks, appended as JSON lines to files in a folder of
// their own: one file per month, a new part when a file grows past a size,
// and the oldest files removed when all of them together pass the limit, so
// the journal never grows without bound. Appending never waits on the disk:
// lines are gathered for a moment and a thread of its own writes them, so the
// window and the monitor go on. A line cut short by a crash is skipped when
// reading. A write is all or nothing: a failed one is cut back to the last
// whole line and tried again later, the events waiting in memory meanwhile.
class EventJournal : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 DefaultMaxBytes = 50 * 1024 * 1024;
    static constexpr qint64 DefaultMaxFileBytes = 8 * 1024 * 1024;
    // Events that may wait for a journal that cannot be written; past it the
    // oldest are dropped (and counted in the log).
    static constexpr int MaxWaitingEvents = 20000;

    explicit EventJournal(const QString &folder, QObject *parent = nullptr);
    ~EventJournal() override; // writes what is still queued

    // The data folder's "journal".
    static QString defaultFolder();

    void append(const ClockEvent &event);
    // Waits until everything appended so far is written, or has failed to
    // be; true when nothing is left waiting.
    bool flush();
    // Why the journal cannot be written; empty while it can.
    QString problem() const { return m_problem; }
    // Failed tries since it was opened.
    quint64 failures() const { return m_failures; }
    // Tests make the limits small.
    void setLimits(qint64 maxBytes, qint64 maxFileBytes);

    struct Filter
    {
        QString ip;      // empty: every clock
        QDateTime since; // invalid: from the start
        int limit = -1;  // the newest this many; -1: all
    };
    // The matching events, oldest first. Reads whatever is on disk; lines
    // that are not events are skipped and counted in damaged, and an event
    // glued onto the end of a cut-off line is still found. With a limit, only
    // as much of the newest files as holds the newest events is read (and
    // only damaged lines there are counted). Safe on any thread.
    static QList<ClockEvent> read(const QString &folder, const Filter &filter, int *damaged = nullptr);
    // The same for the bytes of one file.
    static QList<ClockEvent> parse(const QByteArray &data, const Filter &filter, int *damaged = nullptr);
    // The journal's files, oldest first.
    static QStringList files(const QString &folder);
    // Bytes handed to the JSON reader so far, by every thread: the work a
    // read costs, which stays linear in what it reads.
    static quint64 parsedBytes();

signals:
    // The journal could not be written (why), or can be again (empty): once
    // each time it changes; the log says so as well.
    void problemChanged(const QString &problem);
    // Every failed try.
    void writeFailed();

private:
    friend class JournalWriter;
    static QList<ClockEvent> readNewest(const QString &folder, const Filter &filter, int *damaged);
    static constexpr int gatherMs = 200;
    static constexpr int retryMs = 5000;
    static constexpr int gatherBytes = 256 * 1024;

    void post();
    void writerFailed(const QString &problem, bool first);
    void writerResumed(int dropped);

    QString m_folder;
    QThread *m_thread;
    JournalWriter *m_writer;
    // Lines not yet handed to the writer, by month.
    QList<QPair<QString, QByteArray>> m_pending;
    int m_pendingBytes = 0;
    QTimer m_gather;
    QTimer m_retry;
    QString m_problem;
    quint64 m_failures = 0;
    int m_waiting = 0;
};
