#pragma once

#include "notify/Workbook.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QVector>

#include <memory>

class DevClock;
class QThread;

// One clock's row of a report run.
struct ReportEntry
{
    QString sheetName;
    QString valueText;
};

// Everything a report run writes, taken from the clocks at the tick, so the
// workbook can be written away from the GUI thread.
struct ReportRun
{
    QString path;
    QString title;
    QString dateText;
    QVector<ReportEntry> entries;
};

// Appends one row per clock to the report workbook (one sheet per clock) and
// replaces the file atomically. The cells read from the file are kept between
// runs and the file is read again only when it changed on disk since our own
// last write. A workbook whose cells cannot all be carried over is left alone
// (the write fails).
class XlsxWritter : public QObject
{
    Q_OBJECT

public:
    explicit XlsxWritter(QObject *parent = nullptr);
    ~XlsxWritter() override;

    // Writes on the calling thread; the result is the save's success.
    bool write(const QString &path, const QList<DevClock *> &clocks, int valueType);

    static ReportRun makeRun(const QString &path, const QList<DevClock *> &clocks, int valueType,
                             const QDateTime &now);
    // Adds the run's rows to the cells of a workbook.
    static void apply(Workbook &workbook, const ReportRun &run);

    // Writes on a worker thread and reports through writeFinished. false
    // (nothing started) while a write is still running.
    bool startWrite(const ReportRun &run);
    bool isWriting() const { return m_thread != nullptr; }
    // Runs a write on the calling thread; false while one is running.
    bool writeNow(const ReportRun &run);

    // Why the last write failed; "" after a success.
    QString lastError() const { return m_lastError; }
    // Whether the last write took the cells from memory instead of the file.
    bool lastWriteUsedCache() const { return m_lastUsedCache; }

signals:
    void writeFinished(bool ok);

private:
    struct Cache;
    struct Job;

    static void runJob(Job &job);
    void onThreadFinished();

    std::unique_ptr<Cache> m_cache;
    std::unique_ptr<Job> m_job;
    QThread *m_thread = nullptr;
    QString m_lastError;
    bool m_lastUsedCache = false;
};
