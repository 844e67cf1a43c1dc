#include "persistence/HistoryDatabase.h"

#include "platform/PrivateFiles.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <sqlite3.h>

#include <algorithm>
#include <limits>
#include <unistd.h>

namespace {

const QString fileName = QStringLiteral("events.sqlite");
constexpr char importedKey[] = "journal imported";
// Deleting in steps lets the window and zentick-cli read between them.
constexpr int trimStep = 20000;

// events_quiet finds a clock's newest Muted (8) or Unmuted (9) however far
// back: a quiet period outlasts any restart. They are rare, so it costs
// writes nothing.
const char *const schema = R"(
CREATE TABLE IF NOT EXISTS addresses(id INTEGER PRIMARY KEY, ip TEXT NOT NULL UNIQUE);
CREATE TABLE IF NOT EXISTS labels(id INTEGER PRIMARY KEY, name TEXT NOT NULL, grp TEXT NOT NULL, UNIQUE(name, grp));
CREATE TABLE IF NOT EXISTS events(id INTEGER PRIMARY KEY, address INTEGER NOT NULL, label INTEGER NOT NULL,
                                  kind INTEGER NOT NULL, ntp INTEGER, alert INTEGER, clocks INTEGER, detail TEXT);
CREATE INDEX IF NOT EXISTS events_by_clock ON events(address, id);
CREATE INDEX IF NOT EXISTS events_quiet ON events(address, kind, id) WHERE kind IN (8, 9);
CREATE TABLE IF NOT EXISTS meta(key TEXT PRIMARY KEY, value TEXT) WITHOUT ROWID;
)";

// A statement of the connection's, prepared once and kept: reset and its
// values cleared on every way out.
class Statement
{
public:
    Statement(std::pair<sqlite3_stmt *, int> kept)
        : code(kept.second)
        , m_statement(kept.first)
    {
    }
    ~Statement()
    {
        if (m_statement) {
            sqlite3_reset(m_statement);
            sqlite3_clear_bindings(m_statement);
        }
    }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;
    operator sqlite3_stmt *() const { return m_statement; }
    void bind(int index, const QString &text)
    {
        const QByteArray utf8 = text.toUtf8();
        sqlite3_bind_text(m_statement, index, utf8.constData(), utf8.size(), SQLITE_TRANSIENT);
    }
    void bind(int index, qint64 value) { sqlite3_bind_int64(m_statement, index, value); }
    // An optional number: null when it has its "none" value.
    void bindUnless(int index, int value, int none)
    {
        value == none ? sqlite3_bind_null(m_statement, index) : sqlite3_bind_int(m_statement, index, value);
    }
    int step() { return code = sqlite3_step(m_statement); }
    void reset() { sqlite3_reset(m_statement); }
    QString text(int column) const
    {
        return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column)),
                                 sqlite3_column_bytes(m_statement, column));
    }
    int number(int column, int none) const
    {
        return sqlite3_column_type(m_statement, column) == SQLITE_NULL ? none : sqlite3_column_int(m_statement, column);
    }
    int code = SQLITE_OK;

private:
    sqlite3_stmt *m_statement = nullptr;
};



qint64 floorDiv(qint64 a, qint64 b);

// The columns of an event, read by eventAt.
constexpr char eventColumns[] = "SELECT e.id, a.ip, l.name, l.grp, e.kind, e.ntp, e.alert, e.clocks, e.detail FROM events e "
                                "JOIN addresses a ON a.id = e.address JOIN labels l ON l.id = e.label ";

ClockEvent eventAt(const Statement &statement)
{
    ClockEvent event;
    event.time = QDateTime::fromMSecsSinceEpoch(floorDiv(sqlite3_column_int64(statement, 0), HistoryDatabase::keyStep),
                                                Qt::UTC);
    event.ip = statement.text(1);
    event.name = statement.text(2);
    event.group = statement.text(3);
    event.kind = ClockEvent::Kind(statement.number(4, 0));
    event.ntp = statement.number(5, -1);
    event.alert = statement.number(6, -1);
    event.clocks = statement.number(7, 0);
    event.detail = statement.text(8);
    return event;
}

bool isDamage(int code)
{
    return (code & 0xff) == SQLITE_CORRUPT || (code & 0xff) == SQLITE_NOTADB;
}

// The first key of a millisecond; times beyond some thousands of years
// would overflow it.
qint64 keyOf(qint64 ms)
{
    constexpr qint64 farthest = std::numeric_limits<qint64>::max() / HistoryDatabase::keyStep - 1;
    return std::clamp(ms, -farthest, farthest) * HistoryDatabase::keyStep;
}

qint64 floorDiv(qint64 a, qint64 b)
{
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

} // namespace

HistoryDatabase::~HistoryDatabase()
{
    close();
}

std::pair<sqlite3_stmt *, int> HistoryDatabase::kept(const char *sql)
{
    const QByteArray key(sql);
    sqlite3_stmt *statement = m_statements.value(key);
    int code = SQLITE_OK;
    if (!statement) {
        code = sqlite3_prepare_v3(m_db, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr);
        if (statement)
            m_statements.insert(key, statement);
    }
    return {statement, code};
}

QString HistoryDatabase::pathIn(const QString &folder)
{
    return folder + QLatin1Char('/') + fileName;
}

void HistoryDatabase::close()
{
    for (sqlite3_stmt *statement : qAsConst(m_statements))
        sqlite3_finalize(statement);
    m_statements.clear();
    sqlite3_close_v2(m_db);
    m_db = nullptr;
    m_lastKey = 0;
    m_addresses.clear();
    m_labels.clear();
}

bool HistoryDatabase::failed(int code, QString *why, bool *damaged)
{
    if (why)
        *why = QStringLiteral("%1: %2").arg(m_path, QString::fromUtf8(m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(code)));
    if (damaged)
        *damaged = isDamage(code);
    return false;
}

bool HistoryDatabase::exec(const char *sql, QString *why, bool *damaged)
{
    const int code = sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
    return code == SQLITE_OK || failed(code, why, damaged);
}

bool HistoryDatabase::openForWriting(const QString &folder, QString *why, QString *setAsideAs)
{
    close();
    m_path = pathIn(folder);
    if (!PrivateFiles::makeFolder(folder) || !QFileInfo(folder).isDir()) {
        *why = QStringLiteral("cannot create the folder %1").arg(folder);
        return false;
    }
    // Looked at through a connection that cannot write: even a failed
    // statement of a writer may leave a mark on a damaged file.
    if (!PrivateFiles::isSymlink(m_path) && QFileInfo(m_path).size() > 0) {
        HistoryDatabase probe;
        QString damage;
        if (probe.openForReading(folder, &damage) && probe.isDamaged(&damage)) {
            probe.close();
            qWarning().noquote() << damage;
            *setAsideAs = setAside();
            if (setAsideAs->isEmpty()) {
                *why = QStringLiteral("%1 is damaged and cannot be set aside").arg(m_path);
                return false;
            }
        }
    }
    // Made owner-only before SQLite sees it: its WAL and shared-memory files
    // take the database's mode.
    if (!makePrivate(why))
        return false;
    const int code = sqlite3_open_v2(m_path.toUtf8().constData(), &m_db,
                                     SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOFOLLOW | SQLITE_OPEN_NOMUTEX, nullptr);
    if (code == SQLITE_OK && prepareSchema(why, nullptr))
        return true;
    if (code != SQLITE_OK)
        failed(code, why, nullptr);
    close();
    return false;
}

bool HistoryDatabase::isDamaged(QString *why)
{
    // The header, the table of tables, and the newest leaves of the events.
    for (const char *sql : {"SELECT count(*) FROM sqlite_master", "SELECT max(id) FROM events",
                            "SELECT count(*) FROM meta"}) {
        bool damaged = false;
        if (!exec(sql, why, &damaged) && damaged)
            return true;
    }
    return false;
}

bool HistoryDatabase::makePrivate(QString *why)
{
    // A link in the file's place is refused here and by SQLite.
    const int fd = PrivateFiles::openForAppend(m_path, why);
    if (fd < 0) {
        *why = QStringLiteral("%1: %2").arg(m_path, *why);
        return false;
    }
    ::close(fd);
    return true;
}

bool HistoryDatabase::prepareSchema(QString *why, bool *damaged)
{
    sqlite3_busy_timeout(m_db, busyTimeoutMs);
    sqlite3_extended_result_codes(m_db, 1);
    // The first statement reads the file's header: a file that is no
    // database fails here. auto_vacuum must come before anything is written:
    // pages freed by retention are then given back to the file system.
    // Each event changes its clock's newest index page: 64 MB keeps those
    // of 10 000 clocks in memory rather than read again for every event, and
    // a long WAL (up to 160 MB) copies each page back once for many events:
    // at 1000 events a second a fifth less of a core than 40 MB.
    if (!exec("PRAGMA auto_vacuum = INCREMENTAL; PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL; "
              "PRAGMA cache_size = -65536; PRAGMA wal_autocheckpoint = 40000;",
              why,
              damaged))
        return false;
    if (!exec(schema, why, damaged))
        return false;
    m_lastKey = scalar("SELECT max(id) FROM events", 0, 0);
    return true;
}

bool HistoryDatabase::openForReading(const QString &folder, QString *why)
{
    close();
    m_path = pathIn(folder);
    why->clear();
    if (!QFileInfo::exists(m_path))
        return false;
    const int code = sqlite3_open_v2(m_path.toUtf8().constData(), &m_db,
                                     SQLITE_OPEN_READONLY | SQLITE_OPEN_NOFOLLOW | SQLITE_OPEN_NOMUTEX, nullptr);
    if (code != SQLITE_OK) {
        failed(code, why, nullptr);
        close();
        return false;
    }
    sqlite3_busy_timeout(m_db, busyTimeoutMs);
    return true;
}

QString HistoryDatabase::setAside()
{
    close();
    const QString aside = m_path + QStringLiteral(".damaged-")
        + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddThhmmsszzz"));
    if (!QFile::rename(m_path, aside))
        return QString();
    // The WAL belongs to the damaged file; the shared memory is rebuilt.
    QFile::rename(m_path + QStringLiteral("-wal"), aside + QStringLiteral("-wal"));
    QFile::remove(m_path + QStringLiteral("-shm"));
    return aside;
}

qint64 HistoryDatabase::scalar(const char *sql, qint64 argument, qint64 fallback)
{
    Statement statement(kept(sql));
    statement.bind(1, argument);
    return statement.step() == SQLITE_ROW && sqlite3_column_type(statement, 0) != SQLITE_NULL
        ? sqlite3_column_int64(statement, 0)
        : fallback;
}

qint64 HistoryDatabase::freeKey(qint64 ms)
{
    const qint64 first = keyOf(ms);
    qint64 key = first;
    if (first <= m_lastKey && m_lastKey + 1 < first + keyStep) {
        // The newest millisecond again: the next key after the newest is free.
        key = m_lastKey + 1;
    } else if (first <= m_lastKey) {
        // As old as the newest or older: after the last of its millisecond.
        key = std::max(first, scalar("SELECT max(id) FROM events WHERE id < ?", first + keyStep, first - 1) + 1);
        while (scalar("SELECT count(*) FROM events WHERE id = ?", key, 0) > 0)
            ++key;
    }
    m_lastKey = std::max(m_lastKey, key);
    return key;
}

qint64 HistoryDatabase::idOf(const char *table, const QString &a, const QString &b, QString *why, bool *damaged)
{
    const bool address = qstrcmp(table, "addresses") == 0;
    Statement add(kept(address ? "INSERT OR IGNORE INTO addresses(ip) VALUES(?1)"
                                : "INSERT OR IGNORE INTO labels(name, grp) VALUES(?1, ?2)"));
    Statement find(kept(address ? "SELECT id FROM addresses WHERE ip = ?1"
                                 : "SELECT id FROM labels WHERE name = ?1 AND grp = ?2"));
    for (Statement *statement : {&add, &find}) {
        statement->bind(1, a);
        if (!address)
            statement->bind(2, b);
    }
    if (add.step() != SQLITE_DONE)
        return failed(add.code, why, damaged), -1;
    if (find.step() != SQLITE_ROW)
        return failed(find.code, why, damaged), -1;
    return sqlite3_column_int64(find, 0);
}

bool HistoryDatabase::insert(const QList<ClockEvent> &events, QString *why, bool *damaged)
{
    if (!exec("BEGIN IMMEDIATE", why, damaged))
        return false;
    if (insertRows(events, why, damaged) && exec("COMMIT", why, damaged))
        return true;
    rollBack();
    return false;
}

void HistoryDatabase::rollBack()
{
    sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    // Rows added in the transaction are gone with it.
    m_addresses.clear();
    m_labels.clear();
}

bool HistoryDatabase::insertRows(const QList<ClockEvent> &events, QString *why, bool *damaged)
{
    // Another process (zentick-cli mute) may have written since.
    m_lastKey = scalar("SELECT max(id) FROM events", 0, 0);
    Statement statement(kept("INSERT INTO events(id, address, label, kind, ntp, alert, clocks, detail) "
                              "VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)"));
    if (statement.code != SQLITE_OK)
        return failed(statement.code, why, damaged);
    for (const ClockEvent &event : events) {
        qint64 &address = m_addresses[event.ip];
        if (address == 0)
            address = idOf("addresses", event.ip, QString(), why, damaged);
        qint64 &label = m_labels[{event.name, event.group}];
        if (label == 0)
            label = idOf("labels", event.name, event.group, why, damaged);
        if (address < 0 || label < 0) {
            m_addresses.remove(event.ip);
            m_labels.remove({event.name, event.group});
            return false;
        }
        statement.reset();
        statement.bind(1, freeKey(event.time.toMSecsSinceEpoch()));
        statement.bind(2, address);
        statement.bind(3, label);
        statement.bind(4, qint64(event.kind));
        statement.bindUnless(5, event.ntp, -1);
        statement.bindUnless(6, event.alert, -1);
        statement.bindUnless(7, event.clocks, 0);
        event.detail.isEmpty() ? void(sqlite3_bind_null(statement, 8)) : statement.bind(8, event.detail);
        if (statement.step() != SQLITE_DONE)
            return failed(statement.code, why, damaged);
    }
    return true;
}

bool HistoryDatabase::hasImported(QString *why)
{
    Statement statement(kept("SELECT 1 FROM meta WHERE key = ?1"));
    // A database its writer is just making has no tables yet.
    if (statement.code != SQLITE_OK) {
        if (!QByteArray(sqlite3_errmsg(m_db)).startsWith("no such table"))
            failed(statement.code, why, nullptr);
        return false;
    }
    statement.bind(1, QString::fromLatin1(importedKey));
    if (statement.step() == SQLITE_ROW)
        return true;
    if (statement.code != SQLITE_DONE)
        failed(statement.code, why, nullptr);
    return false;
}

bool HistoryDatabase::importJournal(const QList<ClockEvent> &events, const QString &note, QString *why)
{
    // The events and the mark in one transaction: a run stopped halfway
    // leaves a database without either, and the next start imports again.
    if (!exec("BEGIN IMMEDIATE", why))
        return false;
    // Another process may have imported meanwhile.
    bool done = !hasImported();
    if (done) {
        Statement mark(kept("INSERT INTO meta(key, value) VALUES(?1, ?2)"));
        mark.bind(1, QString::fromLatin1(importedKey));
        mark.bind(2, note);
        done = (mark.step() == SQLITE_DONE || failed(mark.code, why, nullptr)) && insertRows(events, why, nullptr)
            && exec("COMMIT", why);
    }
    if (!done) {
        rollBack();
        return false;
    }
    return true;
}

qint64 HistoryDatabase::usedBytes()
{
    const qint64 pages = scalar("PRAGMA page_count", 0, 0);
    const qint64 free = scalar("PRAGMA freelist_count", 0, 0);
    const qint64 pageSize = scalar("PRAGMA page_size", 0, 4096);
    return (pages - free) * pageSize;
}

qint64 HistoryDatabase::trim(const QDateTime &oldest, qint64 maxBytes, QString *why, bool *damaged)
{
    qint64 removed = 0;
    const auto removeBelow = [&](qint64 key) {
        Statement statement(kept("DELETE FROM events WHERE id IN (SELECT id FROM events WHERE id < ?1 ORDER BY id "
                                  "LIMIT ?2)"));
        statement.bind(1, key);
        statement.bind(2, qint64(trimStep));
        if (statement.step() != SQLITE_DONE)
            return failed(statement.code, why, damaged), -1;
        removed += sqlite3_changes(m_db);
        return sqlite3_changes(m_db);
    };
    const qint64 ageKey = oldest.isValid() ? keyOf(oldest.toMSecsSinceEpoch()) : std::numeric_limits<qint64>::min();
    int changed = 0;
    while ((changed = removeBelow(ageKey)) == trimStep) {
    }
    // The oldest events go until the rest would take nine tenths of the
    // ceiling at the current bytes per event. The index of each clock keeps
    // the room they leave and new events fill it, so the used size falls
    // less than the count: the next trim waits until it has grown again.
    const qint64 used = usedBytes();
    if (changed >= 0 && used > maxBytes && used > m_usedAfterTrim + maxBytes / 20) {
        const qint64 count = scalar("SELECT count(*) FROM events", 0, 0);
        const qint64 keep = qint64(double(count) * 0.9 * double(maxBytes) / double(used));
        const qint64 key = scalar("SELECT id FROM events ORDER BY id LIMIT 1 OFFSET ?1", std::max<qint64>(1, count - keep),
                                  std::numeric_limits<qint64>::max());
        while ((changed = removeBelow(key)) == trimStep) {
        }
    }
    if (removed > 0)
        exec("PRAGMA incremental_vacuum", why, damaged);
    if (used > maxBytes)
        m_usedAfterTrim = usedBytes();
    return changed < 0 ? -1 : removed;
}

QList<ClockEvent> HistoryDatabase::select(const ClockEventFilter &filter, QString *why, bool *damaged)
{
    QByteArray sql = QByteArray(eventColumns) + "WHERE e.id >= ?2 "
                     // Kinds a newer version added are passed over, not taken for another.
                     "AND e.kind >= 0 AND e.kind < ?5 AND (?4 < 0 OR e.kind = ?4)";
    if (!filter.ip.isEmpty())
        sql += " AND e.address = (SELECT id FROM addresses WHERE ip = ?1)";
    sql += " ORDER BY e.id DESC LIMIT ?3";
    Statement statement(kept(sql.constData()));
    if (statement.code != SQLITE_OK)
        return failed(statement.code, why, damaged), QList<ClockEvent>();
    statement.bind(1, filter.ip);
    statement.bind(2, filter.since.isValid() ? keyOf(filter.since.toMSecsSinceEpoch())
                                             : std::numeric_limits<qint64>::min());
    statement.bind(3, qint64(filter.limit));
    statement.bind(4, qint64(filter.kind));
    statement.bind(5, qint64(ClockEvent::kindCount));
    QList<ClockEvent> events;
    while (statement.step() == SQLITE_ROW)
        events.append(eventAt(statement));
    if (statement.code != SQLITE_DONE) {
        failed(statement.code, why, damaged);
        return {};
    }
    std::reverse(events.begin(), events.end());
    return events;
}

bool HistoryDatabase::each(const ClockEventFilter &filter, const QDateTime &before, const EventSink &sink,
                           QString *why, bool *damaged)
{
    QByteArray sql = QByteArray(eventColumns) + "WHERE e.id >= ?2 AND e.id < ?3 "
                     "AND e.kind >= 0 AND e.kind < ?5 AND (?4 < 0 OR e.kind = ?4)";
    if (!filter.ip.isEmpty())
        sql += " AND e.address = (SELECT id FROM addresses WHERE ip = ?1)";
    sql += " ORDER BY e.id";
    Statement statement(kept(sql.constData()));
    if (statement.code != SQLITE_OK)
        return failed(statement.code, why, damaged);
    statement.bind(1, filter.ip);
    statement.bind(2, filter.since.isValid() ? keyOf(filter.since.toMSecsSinceEpoch())
                                             : std::numeric_limits<qint64>::min());
    statement.bind(3, before.isValid() ? keyOf(before.toMSecsSinceEpoch()) : std::numeric_limits<qint64>::max());
    statement.bind(4, qint64(filter.kind));
    statement.bind(5, qint64(ClockEvent::kindCount));
    while (statement.step() == SQLITE_ROW)
        sink(eventAt(statement));
    return statement.code == SQLITE_DONE || failed(statement.code, why, damaged);
}

QList<ClockEvent> HistoryDatabase::stateBefore(const QDateTime &before, QString *why, bool *damaged)
{
    using Kind = ClockEvent::Kind;
    static_assert(int(Kind::Muted) == 8 && int(Kind::Unmuted) == 9, "events_quiet names the kinds by number");
    const qint64 end = before.isValid() ? keyOf(before.toMSecsSinceEpoch()) : std::numeric_limits<qint64>::max();
    QVector<qint64> addresses;
    {
        // The monitor's (no address) first: its newest start bounds the others.
        Statement statement(kept("SELECT id FROM addresses ORDER BY ip <> ''"));
        while (statement.step() == SQLITE_ROW)
            addresses.append(sqlite3_column_int64(statement, 0));
        if (statement.code != SQLITE_DONE)
            return failed(statement.code, why, damaged), QList<ClockEvent>();
    }
    Statement back(kept("SELECT id, kind FROM events INDEXED BY events_by_clock WHERE address = ?1 AND id < ?2 "
                        "ORDER BY id DESC"));
    // The newest of either, through the partial index: its WHERE written
    // as the index's, or SQLite does not see that the index serves it.
    Statement quiet(kept("SELECT max(id) FROM events WHERE address = ?1 AND kind IN (8, 9) AND id < ?2"));
    qint64 lastStart = std::numeric_limits<qint64>::min();
    QVector<qint64> ids;
    for (const qint64 address : qAsConst(addresses)) {
        back.reset();
        back.bind(1, address);
        back.bind(2, end);
        bool any = false, answer = false, ntp = false, start = false, stop = false;
        while (back.step() == SQLITE_ROW) {
            const qint64 id = sqlite3_column_int64(back, 0);
            const int kind = sqlite3_column_int(back, 1);
            if (kind < 0 || kind >= ClockEvent::kindCount)
                continue;
            if (!any)
                ids.append(id);
            any = true;
            if (id < lastStart)
                break;
            const Kind k = Kind(kind);
            const bool take = ((k == Kind::Unreachable || k == Kind::Reachable) && !answer)
                || (k == Kind::Ntp && !ntp) || (k == Kind::MonitorStarted && !start)
                || (k == Kind::MonitorStopped && !stop && !start);
            if (take)
                ids.append(id);
            answer = answer || k == Kind::Unreachable || k == Kind::Reachable;
            ntp = ntp || k == Kind::Ntp;
            stop = stop || k == Kind::MonitorStopped;
            if (k == Kind::MonitorStarted) {
                start = true;
                lastStart = std::max(lastStart, id);
            }
            if ((answer && ntp) || start)
                break;
        }
        if (back.code != SQLITE_ROW && back.code != SQLITE_DONE)
            return failed(back.code, why, damaged), QList<ClockEvent>();
        quiet.reset();
        quiet.bind(1, address);
        quiet.bind(2, end);
        if (quiet.step() != SQLITE_ROW)
            return failed(quiet.code, why, damaged), QList<ClockEvent>();
        if (sqlite3_column_type(quiet, 0) != SQLITE_NULL)
            ids.append(sqlite3_column_int64(quiet, 0));
    }
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    QList<ClockEvent> events;
    Statement row(kept((QByteArray(eventColumns) + "WHERE e.id = ?1").constData()));
    for (const qint64 id : qAsConst(ids)) {
        row.reset();
        row.bind(1, id);
        if (row.step() == SQLITE_ROW)
            events.append(eventAt(row));
        else if (row.code != SQLITE_DONE)
            return failed(row.code, why, damaged), QList<ClockEvent>();
    }
    return events;
}

bool HistoryDatabase::beginReading(QString *why)
{
    // A deferred transaction takes its snapshot at the first read.
    return exec("BEGIN", why) && exec("SELECT count(*) FROM meta", why);
}

void HistoryDatabase::endReading()
{
    sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr);
}
