#include "notify/XlsxWritter.h"

#include "model/DevClock.h"
#include "notify/ReportFormat.h"
#include "notify/WorkbookReader.h"
#include "notify/WorkbookWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace {

// No report grows anywhere near this. Past 2 GiB Qt 5 reads nothing at all
// and reports no error, so such a file would pass for an empty one and be
// replaced.
constexpr qint64 maxWorkbookBytes = qint64(1) << 30;

} // namespace

// The cells as they are in the file we wrote last, and how that file looked
// on disk right after the write.
struct XlsxWritter::Cache
{
    QString path;
    qint64 size = -1;
    QDateTime modified;
    QDateTime changed;
    Workbook workbook;

    bool matches(const QString &filePath) const
    {
        const QFileInfo info(filePath);
        return path == filePath && info.exists() && info.size() == size && info.lastModified() == modified
            && info.metadataChangeTime() == changed;
    }
    void stamp()
    {
        const QFileInfo info(path);
        size = info.size();
        modified = info.lastModified();
        changed = info.metadataChangeTime();
    }
};

struct XlsxWritter::Job
{
    ReportRun run;
    std::unique_ptr<Cache> cache;
    bool ok = false;
    bool usedCache = false;
    QString error;
};

XlsxWritter::XlsxWritter(QObject *parent) : QObject(parent)
{
}

XlsxWritter::~XlsxWritter()
{
    // A report being written is finished, never cut off half-way.
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
}

void XlsxWritter::apply(Workbook &workbook, const ReportRun &run)
{
    const QString dateTitle = QStringLiteral("Date");
    for (const ReportEntry &entry : run.entries) {
        int sheet = workbook.findSheet(entry.sheetName);
        // The file format treats names that differ only in letter case as one.
        if (sheet < 0)
            sheet = workbook.findSheetIgnoringCase(entry.sheetName);
        std::uint32_t column = 1;
        std::uint32_t row = 1;
        if (sheet < 0) {
            sheet = workbook.addSheet(entry.sheetName);
            workbook.setText(sheet, 0, 0, dateTitle);
            workbook.setText(sheet, 0, 1, run.title);
        } else {
            for (column = 0; column < Workbook::maxColumns; ++column) {
                if (workbook.isEmpty(sheet, 0, column)) {
                    workbook.setText(sheet, 0, column, run.title);
                    break;
                }
                if (workbook.text(sheet, 0, column) == run.title)
                    break;
            }
            if (column >= Workbook::maxColumns)
                continue;
            row = workbook.firstEmptyRow(sheet, 0);
            if (row >= Workbook::maxRows)
                continue;
        }
        workbook.setText(sheet, row, 0, run.dateText);
        workbook.setText(sheet, row, column, entry.valueText);
    }
}

void XlsxWritter::runJob(Job &job)
{
    const QString &path = job.run.path;
    if (!job.cache || !job.cache->matches(path)) {
        job.cache.reset();
        auto fresh = std::make_unique<Cache>();
        fresh->path = path;
        QFile file(path);
        if (file.exists()) {
            if (!file.open(QIODevice::ReadOnly)) {
                job.error = file.errorString();
                return;
            }
            if (file.size() > maxWorkbookBytes) {
                job.error = QStringLiteral("the workbook is too large to read");
                return;
            }
            const QByteArray bytes = file.readAll();
            if (file.error() != QFileDevice::NoError) {
                job.error = file.errorString();
                return;
            }
            file.close();
            // An empty file holds nothing to keep.
            if (!bytes.isEmpty() && !WorkbookReader::read(bytes, fresh->workbook, &job.error))
                return;
        }
        job.cache = std::move(fresh);
    } else {
        job.usedCache = true;
    }

    apply(job.cache->workbook, job.run);
    if (!WorkbookWriter::write(job.cache->workbook, path, &job.error)) {
        // The cells in memory now differ from the file.
        job.cache.reset();
        return;
    }
    job.cache->stamp();
    job.ok = true;
}

bool XlsxWritter::writeNow(const ReportRun &run)
{
    if (m_thread)
        return false;
    Job job;
    job.run = run;
    job.cache = std::move(m_cache);
    runJob(job);
    m_cache = std::move(job.cache);
    m_lastError = job.error;
    m_lastUsedCache = job.usedCache;
    return job.ok;
}

bool XlsxWritter::startWrite(const ReportRun &run)
{
    if (m_thread)
        return false;
    m_job = std::make_unique<Job>();
    m_job->run = run;
    m_job->cache = std::move(m_cache);
    Job *job = m_job.get();
    m_thread = QThread::create([job] { runJob(*job); });
    connect(m_thread, &QThread::finished, this, &XlsxWritter::onThreadFinished);
    m_thread->start(QThread::LowPriority);
    return true;
}

void XlsxWritter::onThreadFinished()
{
    m_thread->wait();
    m_thread->deleteLater();
    m_thread = nullptr;
    const std::unique_ptr<Job> job = std::move(m_job);
    m_cache = std::move(job->cache);
    m_lastError = job->error;
    m_lastUsedCache = job->usedCache;
    emit writeFinished(job->ok);
}

ReportRun XlsxWritter::makeRun(const QString &path, const QList<DevClock *> &clocks, int valueType,
                               const QDateTime &now)
{
    ReportRun run;
    run.path = path;
    run.title = ReportFormat::headerTitle(valueType);
    run.dateText = ReportFormat::dateText(now);
    run.entries.reserve(clocks.size());
    for (const DevClock *clock : clocks) {
        if (!clock)
            continue;
        run.entries.push_back({ReportFormat::sheetName(clock->name, clock->network.ip),
                               ReportFormat::valueText(valueType, double(clock->status.temperature),
                                                       clock->status.temperatureUnit, clock->status.brightness)});
    }
    return run;
}

bool XlsxWritter::write(const QString &path, const QList<DevClock *> &clocks, int valueType)
{
    return writeNow(makeRun(path, clocks, valueType, QDateTime::currentDateTime()));
}
