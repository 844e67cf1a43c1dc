#pragma once

#include "persistence/ClockEvent.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class QThread;
class JournalWriter;

// The history of all clocks: events appended here go into an SQLite
// database in a folder (the data folder; see HistoryDatabase) that the
// window, the monitor and zentick-cli read at once, each on a thread of its
// own. Appending never waits on the disk: events are gathered for a moment
// and a thread of its own writes them, so the window and the monitor go on.
// A write is all or nothing: a failed one is tried again later, the events
// waiting in memory meanwhile. The JSON-lines journal of earlier versions
// (the folder's "journal") is imported once and left as it was. Events older
// than the retention go, and the oldest go when the data passes a ceiling. A
// damaged database is set aside beside it and a new one started.
class EventJournal : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultRetentionDays = 400;
    static constexpr qint64 DefaultMaxBytes = qint64(2048) * 1024 * 1024;
    // Events that may wait for a history that cannot be written; past it the
    // oldest are dropped (and counted in the log).
    static constexpr int MaxWaitingEvents = 20000;

    // Retention from the settings store ("History/retentionDays",
    // "History/maxMegabytes").
    explicit EventJournal(const QString &folder, QObject *parent = nullptr);
    ~EventJournal() override; // writes what is still queued

    // The data folder, which holds the history.
    static QString defaultFolder();
    // The old journal's folder in it.
    static QString journalFolder(const QString &folder);

    void append(const ClockEvent &event);
    // Waits until everything appended so far is written, or has failed to
    // be; true when nothing is left waiting.
    bool flush();
    // Why the history cannot be written, or that it was set aside; empty
    // while all is well.
    QString problem() const { return m_problem; }
    // Failed tries since it was opened.
    quint64 failures() const { return m_failures; }
    // Applies at once; maxBytes counts the data, not the free pages.
    void setRetention(int days, qint64 maxBytes);

    using Filter = ClockEventFilter;
    // The matching events, oldest first, from the history in folder. Before
    // the old journal is imported it is read instead; its lines that are not
    // events are skipped and counted in damaged, and an event glued onto the
    // end of a cut-off line is still found. problem: why the history could
    // not be read. Safe on any thread; never call it on the window's.
    static QList<ClockEvent> read(const QString &folder, const Filter &filter, int *damaged = nullptr,
                                  QString *problem = nullptr);
    using Sink = std::function<void(const ClockEvent &)>;
    // The same events, the limit aside, handed to sink one at a time instead
    // of held (a year of a large site is ten million), and again for each
    // further pass, over one state of the history whatever is written
    // meanwhile: a table can measure its columns, then print.
    static bool each(const QString &folder, const Filter &filter, int passes,
                     const std::function<void(int pass, const ClockEvent &)> &sink, int *damaged = nullptr,
                     QString *problem = nullptr);
    // What a report over [from, to) needs of the history, oldest first: the
    // events each clock's state at from follows from (see
    // HistoryDatabase::stateBefore), then every event in the period. Before
    // the old journal is imported, all of it up to to.
    static bool eachOfPeriod(const QString &folder, const QDateTime &from, const QDateTime &to, const Sink &sink,
                             int *damaged = nullptr, QString *problem = nullptr);
    // The events in the bytes of an old journal file.
    static QList<ClockEvent> parse(const QByteArray &data, const Filter &filter, int *damaged = nullptr);
    // The old journal's files in its folder, oldest first.
    static QStringList files(const QString &journalFolder);

signals:
    // The history could not be written (why), or can be again (empty), or
    // was found damaged and set aside: once each time it changes; the log
    // says so as well.
    void problemChanged(const QString &problem);
    // Every failed try.
    void writeFailed();

private:
    friend class JournalWriter;
    static constexpr int gatherMs = 1000;
    static constexpr int retryMs = 5000;
    static constexpr int gatherEvents = 2000;

    void post();
    void writerFailed(const QString &problem, bool first);
    void writerResumed(int dropped);
    void writerSetAside(const QString &aside);

    QString m_folder;
    QThread *m_thread;
    JournalWriter *m_writer;
    // Events not yet handed to the writer.
    QList<ClockEvent> m_pending;
    QTimer m_gather;
    QTimer m_retry;
    QString m_problem;
    quint64 m_failures = 0;
    int m_waiting = 0;
};
