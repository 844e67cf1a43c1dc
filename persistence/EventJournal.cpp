#include "persistence/EventJournal.h"

#include "core/AppSettings.h"
#include "persistence/HistoryDatabase.h"
#include "platform/SettingsStore.h"

#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFile>
#include <QRegularExpression>
#include <QThread>

#include <algorithm>
#include <deque>
#include <memory>

namespace {

// "events-2026-12.01.jsonl": month, then part; names sort oldest first.
const QRegularExpression fileName(QStringLiteral("^events-(\\d{4})-(\\d{2})\\.(\\d{2})\\.jsonl$"));
const QString retentionKey = QStringLiteral("History/retentionDays");
const QString maxMegabytesKey = QStringLiteral("History/maxMegabytes");
// Retention is looked at again this often, as events age while it runs.
constexpr qint64 trimEveryMs = 3600 * 1000;

QString monthOf(const QDateTime &utc)
{
    return utc.toString(QStringLiteral("yyyy-MM"));
}

int storedNumber(const QString &key, int fallback)
{
    bool ok = false;
    const int stored = SettingsStore::open()->value(key).toInt(&ok);
    return ok && stored > 0 ? stored : fallback;
}

} // namespace

// Lives on the journal's own thread; everything it does runs there. A write
// is all or nothing: what could not be written waits, in order, for the
// next try, up to a bound past which the oldest are dropped.
class JournalWriter : public QObject
{
public:
    explicit JournalWriter(const QString &folder, EventJournal *journal)
        : m_folder(folder)
        , m_journal(journal)
    {
    }

    void write(const QList<ClockEvent> &events)
    {
        m_backlog.push_back(events);
        m_backlogEvents += events.size();
        while (m_backlogEvents > EventJournal::MaxWaitingEvents && m_backlog.size() > 1) {
            m_dropped += m_backlog.front().size();
            m_backlogEvents -= m_backlog.front().size();
            m_backlog.pop_front();
        }
        drain();
    }

    // Writes what waits; true when nothing is left waiting.
    bool drain()
    {
        QString why;
        if (!m_db.isOpen() && !open(why))
            return failed(why);
        bool startedAgain = false;
        while (!m_backlog.empty()) {
            bool damaged = false;
            if (!m_db.insert(m_backlog.front(), &why, &damaged)) {
                // Into a new database, once a try.
                if (damaged && !startedAgain) {
                    setAside(why);
                    startedAgain = true;
                    if (open(why))
                        continue;
                }
                return failed(why);
            }
            m_backlogEvents -= m_backlog.front().size();
            m_backlog.pop_front();
        }
        if (!m_trimmed.isValid() || m_trimmed.elapsed() > trimEveryMs || m_db.usedBytes() > m_maxBytes)
            trim();
        if (!m_problem.isEmpty()) {
            m_problem.clear();
            const int dropped = m_dropped;
            m_dropped = 0;
            EventJournal *journal = m_journal;
            QMetaObject::invokeMethod(journal, [journal, dropped] { journal->writerResumed(dropped); },
                                      Qt::QueuedConnection);
        }
        return true;
    }

    QString problem() const { return m_problem; }
    int waiting() const { return m_backlogEvents; }

    void setRetention(int days, qint64 maxBytes)
    {
        m_days = days;
        m_maxBytes = maxBytes;
        m_db.resetTrim();
        if (m_db.isOpen())
            trim();
    }

private:
    bool open(QString &why)
    {
        QString aside;
        const bool opened = m_db.openForWriting(m_folder, &why, &aside);
        if (!aside.isEmpty())
            report(aside);
        if (!opened)
            return false;
        if (!m_db.hasImported(&why) && !importJournal(why)) {
            m_db.close();
            return false;
        }
        trim();
        return true;
    }

    bool importJournal(QString &why)
    {
        if (!why.isEmpty())
            return false;
        const QString journal = EventJournal::journalFolder(m_folder);
        int damaged = 0;
        QList<ClockEvent> events;
        for (const QString &name : EventJournal::files(journal)) {
            QFile file(journal + QLatin1Char('/') + name);
            if (file.open(QIODevice::ReadOnly))
                events += EventJournal::parse(file.readAll(), {}, &damaged);
        }
        const QString note = QStringLiteral("%1 events, %2 damaged lines skipped").arg(events.size()).arg(damaged);
        if (!m_db.importJournal(events, note, &why))
            return why.isEmpty();
        if (!events.isEmpty() || damaged > 0)
            qInfo().noquote() << EventJournal::tr("The journal %1 was imported into the history: %2 events, "
                                                  "%3 damaged lines skipped; it is kept as it was.")
                                     .arg(journal)
                                     .arg(events.size())
                                     .arg(damaged);
        return true;
    }

    void trim()
    {
        m_trimmed.start();
        QString why;
        bool damaged = false;
        const QDateTime oldest = QDateTime::currentDateTimeUtc().addDays(-m_days);
        if (m_db.trim(oldest, m_maxBytes, &why, &damaged) < 0 && damaged)
            setAside(why);
    }

    void setAside(const QString &why)
    {
        const QString aside = m_db.setAside();
        qWarning().noquote() << why;
        report(aside.isEmpty() ? QStringLiteral("(cannot be renamed)") : aside);
    }

    void report(const QString &aside)
    {
        EventJournal *journal = m_journal;
        QMetaObject::invokeMethod(journal, [journal, aside] { journal->writerSetAside(aside); },
                                  Qt::QueuedConnection);
    }

    bool failed(const QString &why)
    {
        const bool first = m_problem.isEmpty();
        m_problem = why.isEmpty() ? QStringLiteral("unknown error") : why;
        EventJournal *journal = m_journal;
        const QString problem = m_problem;
        QMetaObject::invokeMethod(journal, [journal, problem, first] { journal->writerFailed(problem, first); },
                                  Qt::QueuedConnection);
        return false;
    }

    QString m_folder;
    EventJournal *m_journal;
    HistoryDatabase m_db;
    int m_days = EventJournal::DefaultRetentionDays;
    qint64 m_maxBytes = EventJournal::DefaultMaxBytes;
    QElapsedTimer m_trimmed;
    std::deque<QList<ClockEvent>> m_backlog;
    int m_backlogEvents = 0;
    int m_dropped = 0;
    QString m_problem; // empty while writes succeed
};

EventJournal::EventJournal(const QString &folder, QObject *parent)
    : QObject(parent)
    , m_folder(folder)
    , m_thread(new QThread(this))
    , m_writer(new JournalWriter(folder, this))
{
    m_writer->moveToThread(m_thread);
    m_thread->start(QThread::LowPriority);
    m_gather.setSingleShot(true);
    m_gather.setInterval(gatherMs);
    connect(&m_gather, &QTimer::timeout, this, &EventJournal::post);
    m_retry.setInterval(retryMs);
    connect(&m_retry, &QTimer::timeout, this, [this] {
        JournalWriter *writer = m_writer;
        QMetaObject::invokeMethod(writer, [writer] { writer->drain(); }, Qt::QueuedConnection);
    });
    const int days = storedNumber(retentionKey, DefaultRetentionDays);
    const qint64 maxBytes = qint64(storedNumber(maxMegabytesKey, int(DefaultMaxBytes / 1024 / 1024))) * 1024 * 1024;
    JournalWriter *writer = m_writer;
    // Opened (and the old journal imported) at once, not with the first event.
    QMetaObject::invokeMethod(writer, [writer, days, maxBytes] {
        writer->setRetention(days, maxBytes);
        writer->drain();
    }, Qt::QueuedConnection);
}

EventJournal::~EventJournal()
{
    if (!flush())
        qWarning().noquote() << tr("Journal %1 could not be written (%2); events lost: %3")
                                    .arg(m_folder, m_problem)
                                    .arg(m_waiting);
    m_thread->quit();
    m_thread->wait();
    delete m_writer; // its thread has ended
}

void EventJournal::writerFailed(const QString &problem, bool first)
{
    ++m_failures;
    emit writeFailed();
    if (!first)
        return;
    m_problem = problem;
    m_retry.start();
    qWarning().noquote() << tr("Journal %1 cannot be written: %2; events wait in memory and are "
                               "written when it can be.")
                                .arg(m_folder, problem);
    emit problemChanged(problem);
}

void EventJournal::writerResumed(int dropped)
{
    m_retry.stop();
    m_problem.clear();
    qWarning().noquote() << (dropped > 0 ? tr("Journal %1 is written again; %2 events were dropped "
                                              "meanwhile.")
                                               .arg(m_folder)
                                               .arg(dropped)
                                         : tr("Journal %1 is written again.").arg(m_folder));
    emit problemChanged(QString());
}

void EventJournal::writerSetAside(const QString &aside)
{
    m_problem = tr("The history was damaged and set aside as %1; a new one was started.").arg(aside);
    qWarning().noquote() << m_problem;
    emit problemChanged(m_problem);
}

QString EventJournal::defaultFolder()
{
    return AppSettings::dataFolderPath();
}

QString EventJournal::journalFolder(const QString &folder)
{
    return folder + QStringLiteral("/journal");
}

void EventJournal::append(const ClockEvent &event)
{
    m_pending.append(event);
    if (m_pending.size() >= gatherEvents)
        post();
    else if (!m_gather.isActive())
        m_gather.start();
}

void EventJournal::post()
{
    m_gather.stop();
    if (m_pending.isEmpty())
        return;
    JournalWriter *writer = m_writer;
    QMetaObject::invokeMethod(writer, [writer, events = m_pending] { writer->write(events); }, Qt::QueuedConnection);
    m_pending.clear();
}

bool EventJournal::flush()
{
    // New events are tried as they arrive; without any, what waits is tried again.
    const bool retry = m_pending.isEmpty();
    post();
    JournalWriter *writer = m_writer;
    QString problem;
    int waiting = 0;
    QMetaObject::invokeMethod(
        writer,
        [writer, retry, &problem, &waiting] {
            if (retry)
                writer->drain();
            problem = writer->problem();
            waiting = writer->waiting();
        },
        Qt::BlockingQueuedConnection);
    m_waiting = waiting;
    if (!problem.isEmpty())
        m_problem = problem;
    return problem.isEmpty();
}

void EventJournal::setRetention(int days, qint64 maxBytes)
{
    post();
    JournalWriter *writer = m_writer;
    QMetaObject::invokeMethod(
        writer, [writer, days, maxBytes] { writer->setRetention(days, maxBytes); }, Qt::BlockingQueuedConnection);
}

QStringList EventJournal::files(const QString &folder)
{
    QStringList names;
    // A link planted among the files is not read.
    const QDir::Filters kinds = QDir::Files | QDir::NoSymLinks;
    for (const QString &name : QDir(folder).entryList({QStringLiteral("events-*.jsonl")}, kinds, QDir::Name)) {
        if (fileName.match(name).hasMatch())
            names << name;
    }
    return names;
}

namespace {

// A line cut off by a crash or a full disk may have had the next event glued
// onto it. "{\"" stands nowhere inside an event but at its start (a quote in
// a value is escaped, and events hold no nested objects), so the glued event
// can only start at the last one: one try, however the line was crafted.
bool fromDamagedJson(const QByteArray &line, ClockEvent &event)
{
    const int at = line.lastIndexOf("{\"");
    return at > 0 && ClockEvent::fromJson(QByteArray::fromRawData(line.constData() + at, line.size() - at), event);
}

} // namespace

QList<ClockEvent> EventJournal::parse(const QByteArray &data, const Filter &filter, int *damaged)
{
    // A cheap look for the address before a line is parsed: a month of a
    // large site is millions of lines.
    const QByteArray needle = filter.ip.isEmpty() ? QByteArray() : "\"ip\":\"" + filter.ip.toUtf8() + '"';
    QList<ClockEvent> events;
    int start = 0;
    while (start < data.size()) {
        int end = data.indexOf('\n', start);
        if (end < 0)
            end = data.size();
        const QByteArray line = QByteArray::fromRawData(data.constData() + start, end - start);
        start = end + 1;
        if (line.isEmpty() || (!needle.isEmpty() && !line.contains(needle)))
            continue;
        ClockEvent event;
        if (!ClockEvent::fromJson(line, event)) {
            if (damaged)
                ++*damaged;
            if (!fromDamagedJson(line, event))
                continue;
        }
        if ((!filter.ip.isEmpty() && event.ip != filter.ip) || (filter.since.isValid() && event.time < filter.since)
            || (filter.kind >= 0 && int(event.kind) != filter.kind))
            continue;
        events.append(event);
    }
    return events;
}

QList<ClockEvent> EventJournal::read(const QString &folder, const Filter &filter, int *damaged, QString *problem)
{
    HistoryDatabase history;
    QString why;
    if (history.openForReading(folder, &why) && history.hasImported(&why))
        return history.select(filter, problem);
    if (!why.isEmpty()) {
        if (problem)
            *problem = why;
        return {};
    }
    // Nothing has opened the history for writing since the old journal
    // was written: it is still the history.
    const QString journal = journalFolder(folder);
    const QString fromMonth = filter.since.isValid() ? monthOf(filter.since.toUTC()) : QString();
    QList<ClockEvent> events;
    for (const QString &name : files(journal)) {
        const QRegularExpressionMatch match = fileName.match(name);
        if (!fromMonth.isEmpty() && match.captured(1) + QLatin1Char('-') + match.captured(2) < fromMonth)
            continue;
        QFile file(journal + QLatin1Char('/') + name);
        if (file.open(QIODevice::ReadOnly))
            events += parse(file.readAll(), filter, damaged);
    }
    if (filter.limit >= 0 && events.size() > filter.limit)
        events = events.mid(events.size() - filter.limit);
    return events;
}

namespace {

// problem: why the history cannot be read. False without a database, or
// before the old journal is imported into it (which is then still the
// history), or on an error.
bool openImported(HistoryDatabase &history, const QString &folder, QString *problem)
{
    QString why;
    const bool ready = history.openForReading(folder, &why) && history.hasImported(&why) && history.beginReading(&why);
    if (problem)
        *problem = why;
    return ready;
}

} // namespace

bool EventJournal::each(const QString &folder, const Filter &filter, int passes,
                        const std::function<void(int pass, const ClockEvent &)> &sink, int *damaged,
                        QString *problem)
{
    HistoryDatabase history;
    QString why;
    if (openImported(history, folder, &why)) {
        for (int pass = 0; pass < passes && why.isEmpty(); ++pass)
            history.each(filter, QDateTime(), [&](const ClockEvent &event) { sink(pass, event); }, &why);
        history.endReading();
    } else if (why.isEmpty()) {
        Filter all = filter;
        all.limit = -1;
        const QList<ClockEvent> events = read(folder, all, damaged, &why);
        for (int pass = 0; pass < passes && why.isEmpty(); ++pass) {
            for (const ClockEvent &event : events)
                sink(pass, event);
        }
    }
    if (problem)
        *problem = why;
    return why.isEmpty();
}

bool EventJournal::eachOfPeriod(const QString &folder, const QDateTime &from, const QDateTime &to, const Sink &sink,
                                int *damaged, QString *problem)
{
    HistoryDatabase history;
    QString why;
    if (openImported(history, folder, &why)) {
        const QList<ClockEvent> before = history.stateBefore(from, &why);
        for (const ClockEvent &event : before)
            sink(event);
        Filter period;
        period.since = from;
        if (why.isEmpty())
            history.each(period, to, sink, &why);
        history.endReading();
    } else if (why.isEmpty()) {
        for (const ClockEvent &event : read(folder, {}, damaged, &why)) {
            if (event.time < to)
                sink(event);
        }
    }
    if (problem)
        *problem = why;
    return why.isEmpty();
}
