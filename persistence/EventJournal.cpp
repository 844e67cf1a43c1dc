#include "persistence/EventJournal.h"

#include "core/AppSettings.h"
#include "platform/PrivateFiles.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <deque>

namespace {

const char *const kindNames[] = {"unreachable", "reachable", "ntp",       "alertDue",       "mailed",
                                 "mailFailed",  "recovered", "recoveryMailed", "muted", "unmuted"};
constexpr int kindCount = int(sizeof(kindNames) / sizeof(kindNames[0]));
const QString timeFormat = QStringLiteral("yyyy-MM-ddThh:mm:ss.zzzZ");
// "events-2026-12.01.jsonl": month, then part; names sort oldest first.
const QRegularExpression fileName(QStringLiteral("^events-(\\d{4})-(\\d{2})\\.(\\d{2})\\.jsonl$"));
constexpr int maxParts = 99;

QString monthOf(const QDateTime &utc)
{
    return utc.toString(QStringLiteral("yyyy-MM"));
}

QString partName(const QString &month, int part)
{
    return QStringLiteral("events-%1.%2.jsonl").arg(month).arg(part, 2, 10, QLatin1Char('0'));
}

} // namespace

// Lives on the journal's own thread; everything it does runs there. It keeps
// the current file and the total size in mind, so a write is one append and
// the folder is only listed when a file is started or the total passes the
// bound. A write is all or nothing: what could not be written waits, in
// order, for the next try, up to a bound past which the oldest are dropped.
class JournalWriter : public QObject
{
public:
    explicit JournalWriter(const QString &folder, EventJournal *journal)
        : m_folder(folder)
        , m_journal(journal)
    {
    }

    void write(const QString &month, const QByteArray &lines)
    {
        const int count = lines.count('\n');
        m_backlog.push_back({month, lines, count});
        m_backlogLines += count;
        while (m_backlogLines > EventJournal::MaxWaitingEvents && m_backlog.size() > 1) {
            m_dropped += m_backlog.front().count;
            m_backlogLines -= m_backlog.front().count;
            m_backlog.pop_front();
        }
        drain();
    }

    // Writes what waits; true when nothing is left waiting.
    bool drain()
    {
        while (!m_backlog.empty()) {
            Batch &batch = m_backlog.front();
            QString why;
            const int done = writeBatch(batch.month, batch.lines, why);
            if (done < batch.lines.size()) {
                const int left = batch.lines.size() - done;
                batch.lines = batch.lines.right(left);
                const int count = batch.lines.count('\n');
                m_backlogLines -= batch.count - count;
                batch.count = count;
                failed(why);
                return false;
            }
            m_backlogLines -= batch.count;
            m_backlog.pop_front();
        }
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
    int waiting() const { return m_backlogLines; }

    void setLimits(qint64 total, qint64 perFile)
    {
        maxBytes = total;
        maxFileBytes = perFile;
        m_total = -1; // looked at again with the next write
    }

private:
    struct Batch
    {
        QString month;
        QByteArray lines;
        int count;
    };

    void failed(const QString &why)
    {
        const bool first = m_problem.isEmpty();
        m_problem = why.isEmpty() ? QStringLiteral("unknown error") : why;
        // The folder is looked at afresh when the next try starts.
        m_total = -1;
        EventJournal *journal = m_journal;
        const QString problem = m_problem;
        QMetaObject::invokeMethod(journal, [journal, problem, first] { journal->writerFailed(problem, first); },
                                  Qt::QueuedConnection);
    }

    // How many bytes of whole lines went to disk.
    int writeBatch(const QString &month, const QByteArray &lines, QString &why)
    {
        // Looked at before every write: a link put in the folder's place
        // since the last one would take the lines wherever it points.
        if (PrivateFiles::isSymlink(m_folder)) {
            why = QStringLiteral("the folder %1 is a symbolic link; nothing is written through one").arg(m_folder);
            return 0;
        }
        if ((month != m_month || m_total < 0) && !startMonth(month, why))
            return 0;
        // Into parts of at most maxFileBytes, split between lines.
        int start = 0;
        while (start < lines.size()) {
            if (m_size >= maxFileBytes && m_part < maxParts)
                startPart(m_part + 1);
            int end = start;
            do {
                const int lineEnd = lines.indexOf('\n', end);
                end = lineEnd < 0 ? lines.size() : lineEnd + 1;
            } while (end < lines.size() && m_size + (end - start) < maxFileBytes);
            if (!PrivateFiles::appendLines(m_path, lines.mid(start, end - start), &why))
                return start;
            m_size += end - start;
            m_total += end - start;
            start = end;
        }
        if (m_total > maxBytes)
            trim();
        return lines.size();
    }

    bool startMonth(const QString &month, QString &why)
    {
        if (!PrivateFiles::makeFolder(m_folder) || !QFileInfo(m_folder).isDir()) {
            why = QStringLiteral("cannot create the folder %1").arg(m_folder);
            return false;
        }
        m_month = month;
        int part = 1;
        m_total = 0;
        for (const QString &name : EventJournal::files(m_folder)) {
            m_total += QFileInfo(m_folder + QLatin1Char('/') + name).size();
            const QRegularExpressionMatch match = fileName.match(name);
            if (match.captured(1) + QLatin1Char('-') + match.captured(2) == month)
                part = qMax(part, match.captured(3).toInt());
        }
        startPart(part);
        return true;
    }

    void startPart(int part)
    {
        m_part = part;
        m_path = m_folder + QLatin1Char('/') + partName(m_month, part);
        m_size = QFileInfo(m_path).size();
    }

    // The oldest files go first; the one being written always stays.
    void trim()
    {
        QStringList names = EventJournal::files(m_folder);
        qint64 total = 0;
        for (const QString &name : names)
            total += QFileInfo(m_folder + QLatin1Char('/') + name).size();
        while (total > maxBytes && names.size() > 1) {
            const QString oldest = m_folder + QLatin1Char('/') + names.takeFirst();
            if (oldest == m_path)
                break;
            total -= QFileInfo(oldest).size();
            QFile::remove(oldest);
        }
        m_total = total;
    }

    qint64 maxBytes = EventJournal::DefaultMaxBytes;
    qint64 maxFileBytes = EventJournal::DefaultMaxFileBytes;
    QString m_folder;
    EventJournal *m_journal;
    QString m_month;
    QString m_path;
    int m_part = 1;
    qint64 m_size = 0;
    qint64 m_total = -1;
    std::deque<Batch> m_backlog;
    int m_backlogLines = 0;
    int m_dropped = 0;
    QString m_problem; // empty while writes succeed
};

QByteArray ClockEvent::toJson() const
{
    QJsonObject object{{QStringLiteral("time"), time.toUTC().toString(timeFormat)},
                       {QStringLiteral("ip"), ip},
                       {QStringLiteral("name"), name},
                       {QStringLiteral("group"), group},
                       {QStringLiteral("kind"), kindName(kind)}};
    if (ntp >= 0)
        object.insert(QStringLiteral("ntp"), ntp);
    if (alert >= 0)
        object.insert(QStringLiteral("alert"), alert);
    if (clocks > 0)
        object.insert(QStringLiteral("clocks"), clocks);
    if (!detail.isEmpty())
        object.insert(QStringLiteral("detail"), detail);
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

bool ClockEvent::fromJson(const QByteArray &line, ClockEvent &event)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    const QJsonObject object = document.object();
    const QString kind = object.value(QStringLiteral("kind")).toString();
    int index = 0;
    while (index < kindCount && kind != QLatin1String(kindNames[index]))
        ++index;
    QDateTime time = QDateTime::fromString(object.value(QStringLiteral("time")).toString(), timeFormat);
    time.setTimeSpec(Qt::UTC);
    if (index == kindCount || !time.isValid())
        return false;
    event = ClockEvent();
    event.time = time;
    event.ip = object.value(QStringLiteral("ip")).toString();
    event.name = object.value(QStringLiteral("name")).toString();
    event.group = object.value(QStringLiteral("group")).toString();
    event.kind = Kind(index);
    event.ntp = object.value(QStringLiteral("ntp")).toInt(-1);
    event.alert = object.value(QStringLiteral("alert")).toInt(-1);
    event.clocks = object.value(QStringLiteral("clocks")).toInt(0);
    event.detail = object.value(QStringLiteral("detail")).toString();
    return true;
}

QString ClockEvent::kindName(Kind kind)
{
    const int index = int(kind);
    return index >= 0 && index < kindCount ? QLatin1String(kindNames[index]) : QString();
}

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

QString EventJournal::defaultFolder()
{
    return AppSettings::dataFolderPath() + QStringLiteral("/journal");
}

void EventJournal::append(const ClockEvent &event)
{
    const QString month = monthOf(event.time.toUTC());
    const QByteArray line = event.toJson() + '\n';
    if (m_pending.isEmpty() || m_pending.last().first != month)
        m_pending.append({month, QByteArray()});
    m_pending.last().second += line;
    m_pendingBytes += line.size();
    if (m_pendingBytes >= gatherBytes)
        post();
    else if (!m_gather.isActive())
        m_gather.start();
}

void EventJournal::post()
{
    m_gather.stop();
    JournalWriter *writer = m_writer;
    for (const auto &batch : qAsConst(m_pending)) {
        const QString month = batch.first;
        const QByteArray lines = batch.second;
        QMetaObject::invokeMethod(writer, [writer, month, lines] { writer->write(month, lines); },
                                  Qt::QueuedConnection);
    }
    m_pending.clear();
    m_pendingBytes = 0;
}

bool EventJournal::flush()
{
    // New lines are tried as they arrive; without any, what waits is tried again.
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

void EventJournal::setLimits(qint64 maxBytes, qint64 maxFileBytes)
{
    post();
    JournalWriter *writer = m_writer;
    QMetaObject::invokeMethod(
        writer, [writer, maxBytes, maxFileBytes] { writer->setLimits(maxBytes, maxFileBytes); },
        Qt::BlockingQueuedConnection);
}

QStringList EventJournal::files(const QString &folder)
{
    QStringList names;
    // A link planted among the files is neither read nor written through.
    const QDir::Filters kinds = QDir::Files | QDir::NoSymLinks;
    for (const QString &name : QDir(folder).entryList({QStringLiteral("events-*.jsonl")}, kinds, QDir::Name)) {
        if (fileName.match(name).hasMatch())
            names << name;
    }
    return names;
}

namespace {

std::atomic<quint64> bytesParsed{0};
// What a backward read takes from the end of a file at a time.
constexpr qint64 readChunkBytes = 256 * 1024;

bool eventFromJson(const QByteArray &line, ClockEvent &event)
{
    bytesParsed += quint64(line.size());
    return ClockEvent::fromJson(line, event);
}

// A line cut off by a crash or a full disk may have had the next event glued
// onto it. "{\"" stands nowhere inside an event but at its start (a quote in
// a value is escaped, and events hold no nested objects), so the glued event
// can only start at the last one: one try, however the line was crafted.
bool fromDamagedJson(const QByteArray &line, ClockEvent &event)
{
    const int at = line.lastIndexOf("{\"");
    return at > 0 && eventFromJson(QByteArray::fromRawData(line.constData() + at, line.size() - at), event);
}

} // namespace

quint64 EventJournal::parsedBytes()
{
    return bytesParsed;
}

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
        if (!eventFromJson(line, event)) {
            if (damaged)
                ++*damaged;
            if (!fromDamagedJson(line, event))
                continue;
        }
        if ((!filter.ip.isEmpty() && event.ip != filter.ip) || (filter.since.isValid() && event.time < filter.since))
            continue;
        events.append(event);
    }
    return events;
}

QList<ClockEvent> EventJournal::read(const QString &folder, const Filter &filter, int *damaged)
{
    if (filter.limit >= 0)
        return readNewest(folder, filter, damaged);
    const QString fromMonth = filter.since.isValid() ? monthOf(filter.since.toUTC()) : QString();
    QList<ClockEvent> events;
    for (const QString &name : files(folder)) {
        const QRegularExpressionMatch match = fileName.match(name);
        if (!fromMonth.isEmpty() && match.captured(1) + QLatin1Char('-') + match.captured(2) < fromMonth)
            continue;
        QFile file(folder + QLatin1Char('/') + name);
        if (file.open(QIODevice::ReadOnly))
            events += parse(file.readAll(), filter, damaged);
    }
    return events;
}

QList<ClockEvent> EventJournal::readNewest(const QString &folder, const Filter &filter, int *damaged)
{
    // From the end of the newest file backwards, a chunk at a time, until
    // enough are found: the history of a busy clock costs its newest lines,
    // not the whole journal.
    const QString fromMonth = filter.since.isValid() ? monthOf(filter.since.toUTC()) : QString();
    QList<QList<ClockEvent>> pieces; // newest first, each oldest first
    int found = 0;
    QStringList names = files(folder);
    for (auto name = names.crbegin(); name != names.crend() && found < filter.limit; ++name) {
        const QRegularExpressionMatch match = fileName.match(*name);
        if (!fromMonth.isEmpty() && match.captured(1) + QLatin1Char('-') + match.captured(2) < fromMonth)
            break;
        QFile file(folder + QLatin1Char('/') + *name);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        qint64 end = file.size();
        // The rest of a line that began further back, in pieces in file order.
        QByteArrayList unended;
        while (end > 0 && found < filter.limit) {
            const qint64 start = std::max<qint64>(0, end - readChunkBytes);
            if (!file.seek(start))
                break;
            QByteArray chunk = file.read(end - start);
            if (chunk.size() != end - start)
                break;
            end = start;
            const int firstLineEnd = start == 0 ? -1 : chunk.indexOf('\n');
            if (start > 0 && firstLineEnd < 0) {
                unended.prepend(chunk);
                continue;
            }
            unended.prepend(chunk.mid(firstLineEnd + 1));
            const QList<ClockEvent> events = parse(unended.join(), filter, damaged);
            unended = {chunk.left(firstLineEnd + 1)};
            if (!events.isEmpty()) {
                pieces.append(events);
                found += events.size();
            }
        }
    }
    QList<ClockEvent> events;
    for (auto piece = pieces.crbegin(); piece != pieces.crend(); ++piece)
        events += *piece;
    if (events.size() > filter.limit)
        events = events.mid(events.size() - filter.limit);
    return events;
}
