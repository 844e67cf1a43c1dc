#pragma once

#include "persistence/ClockEvent.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

#include <functional>
#include <utility>

struct sqlite3;
struct sqlite3_stmt;

// One connection to the history of clock events: "events.sqlite" in the data
// folder, in WAL mode so that one writer and any number of readers (the
// window, the monitor, zentick-cli) work at once. An event's key is its time
// in milliseconds times keyStep plus a counter, so the table itself is in time
// order (a time range needs no index of its own) and one index serves "one
// clock, newest first". Addresses, names and groups are stored once each and
// referenced, which keeps a year of a large site well under a gigabyte.
// A connection is used by one thread at a time.
class HistoryDatabase
{
public:
    static constexpr qint64 keyStep = 16384; // events a millisecond holds before the next
    static constexpr int busyTimeoutMs = 10000;

    HistoryDatabase() = default;
    HistoryDatabase(const HistoryDatabase &) = delete;
    HistoryDatabase &operator=(const HistoryDatabase &) = delete;
    ~HistoryDatabase();

    static QString pathIn(const QString &folder);

    // Makes the folder (0700) and the file (0600) as needed and the tables.
    // A file that is not a database, or a damaged one, is renamed beside
    // (setAside: the new name) and a new one started; it is never emptied.
    bool openForWriting(const QString &folder, QString *why, QString *setAside);
    // False without a database (why empty) or when it cannot be read (why).
    bool openForReading(const QString &folder, QString *why);
    bool isOpen() const { return m_db != nullptr; }
    // Reads that find the file is no database or a damaged one.
    bool isDamaged(QString *why);
    void close();

    // All or nothing, in one transaction. damaged: the file turned out to
    // be damaged (set it aside and start again).
    bool insert(const QList<ClockEvent> &events, QString *why, bool *damaged);
    // Renames the file (and its WAL) beside it; the name it got.
    QString setAside();

    // The events of the old JSON-lines journal, once per database, with a
    // note of what was read: false when they were imported before (why
    // empty) or cannot be (why).
    bool importJournal(const QList<ClockEvent> &events, const QString &note, QString *why);
    // Removes events older than oldest, then, when the data takes more than
    // maxBytes, the oldest; how many went.
    qint64 trim(const QDateTime &oldest, qint64 maxBytes, QString *why, bool *damaged);
    // The ceiling changed: the next trim looks at the size afresh.
    void resetTrim() { m_usedAfterTrim = 0; }
    // The bytes the events take, free pages left out.
    qint64 usedBytes();

    // Oldest first.
    QList<ClockEvent> select(const ClockEventFilter &filter, QString *why, bool *damaged = nullptr);
    using EventSink = std::function<void(const ClockEvent &)>;
    // The matching events before `before` (invalid: all), oldest first, handed
    // to sink one at a time instead of held: a year of a large site is ten
    // million. The filter's limit does not apply.
    bool each(const ClockEventFilter &filter, const QDateTime &before, const EventSink &sink, QString *why,
              bool *damaged = nullptr);
    // The events every clock's state at `before` follows from, oldest first,
    // without reading the older history: each address's newest event, its
    // newest on answering (Unreachable or Reachable) and on NTP since the
    // monitor's newest start (which takes every clock as well again), its
    // newest on quiet periods, and the monitor's newest start and stop.
    QList<ClockEvent> stateBefore(const QDateTime &before, QString *why, bool *damaged = nullptr);
    // Reads between the two see one state of the history, whatever is
    // written meanwhile.
    bool beginReading(QString *why);
    void endReading();
    // False before the old journal is imported, or with why on an error.
    bool hasImported(QString *why = nullptr);

private:
    bool insertRows(const QList<ClockEvent> &events, QString *why, bool *damaged);
    bool exec(const char *sql, QString *why, bool *damaged = nullptr);
    bool makePrivate(QString *why);
    bool prepareSchema(QString *why, bool *damaged);
    bool failed(int code, QString *why, bool *damaged);
    qint64 freeKey(qint64 ms);
    qint64 idOf(const char *table, const QString &a, const QString &b, QString *why, bool *damaged);
    qint64 scalar(const char *sql, qint64 argument, qint64 fallback);

    void rollBack();
    // The statement for sql, prepared the first time; with the result code.
    std::pair<sqlite3_stmt *, int> kept(const char *sql);

    sqlite3 *m_db = nullptr;
    // Ids of the addresses and of the names with their groups written so far.
    QHash<QString, qint64> m_addresses;
    QHash<QPair<QString, QString>, qint64> m_labels;
    QHash<QByteArray, sqlite3_stmt *> m_statements;
    QString m_path;
    qint64 m_lastKey = 0;
    qint64 m_usedAfterTrim = 0;
};
