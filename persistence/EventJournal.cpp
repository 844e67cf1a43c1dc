#include "EventJournal.h"

#include "AppSettings.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QThread>

#include <algorithm>

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

// Lives on the journal's own thread; everything it does runs there.
class JournalWriter : public QObject
{
public:
    explicit JournalWriter(const QString &folder)
        : m_folder(folder)
    {
    }

    void write(const QString &month, const QByteArray &lines)
    {
        QDir().mkpath(m_folder);
        const QString path = currentPart(month, lines.size());
        QFile file(path);
        // Appending whole lines in one write; a crash cuts at most the last one.
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write(lines) != lines.size())
            qDebug("Error: Cannot write file");
        file.close();
        trim();
    }

    qint64 maxBytes = EventJournal::DefaultMaxBytes;
    qint64 maxFileBytes = EventJournal::DefaultMaxFileBytes;

private:
    QString currentPart(const QString &month, qint64 adding)
    {
        int part = 1;
        for (const QString &name : EventJournal::files(m_folder)) {
            const QRegularExpressionMatch match = fileName.match(name);
            if (match.captured(1) + QLatin1Char('-') + match.captured(2) == month)
                part = qMax(part, match.captured(3).toInt());
        }
        const QString path = m_folder + QLatin1Char('/') + partName(month, part);
        if (part < maxParts && QFileInfo(path).size() + adding > maxFileBytes)
            return m_folder + QLatin1Char('/') + partName(month, part + 1);
        return path;
    }

    // The oldest files go first; the newest one always stays.
    void trim()
    {
        QStringList names = EventJournal::files(m_folder);
        qint64 total = 0;
        for (const QString &name : names)
            total += QFileInfo(m_folder + QLatin1Char('/') + name).size();
        while (total > maxBytes && names.size() > 1) {
            const QString oldest = m_folder + QLatin1Char('/') + names.takeFirst();
            total -= QFileInfo(oldest).size();
            QFile::remove(oldest);
        }
    }

    QString m_folder;
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
    , m_writer(new JournalWriter(folder))
{
    m_writer->moveToThread(m_thread);
    m_thread->start(QThread::LowPriority);
}

EventJournal::~EventJournal()
{
    flush();
    m_thread->quit();
    m_thread->wait();
    delete m_writer; // its thread has ended
}

QString EventJournal::defaultFolder()
{
    return AppSettings::dataFolderPath() + QStringLiteral("/journal");
}

void EventJournal::append(const ClockEvent &event)
{
    const QString month = monthOf(event.time.toUTC());
    const QByteArray line = event.toJson() + '\n';
    JournalWriter *writer = m_writer;
    QMetaObject::invokeMethod(writer, [writer, month, line] { writer->write(month, line); }, Qt::QueuedConnection);
}

void EventJournal::flush()
{
    QMetaObject::invokeMethod(m_writer, [] {}, Qt::BlockingQueuedConnection);
}

void EventJournal::setLimits(qint64 maxBytes, qint64 maxFileBytes)
{
    JournalWriter *writer = m_writer;
    QMetaObject::invokeMethod(
        writer,
        [writer, maxBytes, maxFileBytes] {
            writer->maxBytes = maxBytes;
            writer->maxFileBytes = maxFileBytes;
        },
        Qt::BlockingQueuedConnection);
}

QStringList EventJournal::files(const QString &folder)
{
    QStringList names;
    for (const QString &name : QDir(folder).entryList({QStringLiteral("events-*.jsonl")}, QDir::Files, QDir::Name)) {
        if (fileName.match(name).hasMatch())
            names << name;
    }
    return names;
}

QList<ClockEvent> EventJournal::read(const QString &folder, const Filter &filter)
{
    const QString fromMonth = filter.since.isValid() ? monthOf(filter.since.toUTC()) : QString();
    // A cheap look for the address before a line is parsed: a month of a
    // large site is millions of lines.
    const QByteArray needle = filter.ip.isEmpty() ? QByteArray() : "\"ip\":\"" + filter.ip.toUtf8() + '"';
    QList<ClockEvent> events;
    for (const QString &name : files(folder)) {
        const QRegularExpressionMatch match = fileName.match(name);
        if (!fromMonth.isEmpty() && match.captured(1) + QLatin1Char('-') + match.captured(2) < fromMonth)
            continue;
        QFile file(folder + QLatin1Char('/') + name);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray data = file.readAll();
        int start = 0;
        while (start < data.size()) {
            int end = data.indexOf('\n', start);
            if (end < 0)
                end = data.size();
            const QByteArray line = QByteArray::fromRawData(data.constData() + start, end - start);
            start = end + 1;
            if (!needle.isEmpty() && !line.contains(needle))
                continue;
            ClockEvent event;
            if (!ClockEvent::fromJson(line, event))
                continue;
            if ((!filter.ip.isEmpty() && event.ip != filter.ip)
                || (filter.since.isValid() && event.time < filter.since))
                continue;
            events.append(event);
        }
    }
    if (filter.limit >= 0 && events.size() > filter.limit)
        events = events.mid(events.size() - filter.limit);
    return events;
}
