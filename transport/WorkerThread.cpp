#include "transport/WorkerThread.h"

#include "transport/Worker.h"

WorkerThread::WorkerThread(Worker *worker, QObject *parent)
    : QObject(parent)
    , m_worker(worker)
{
    if (m_worker)
        m_worker->moveToThread(thread());
}

WorkerThread::~WorkerThread()
{
    if (m_worker && !m_ran)
        delete m_worker;
}

void WorkerThread::run()
{
    if (m_worker)
        m_worker->execute();
    finishRun();
}

void WorkerThread::finishRun()
{
    m_ran = true;
    emit Finished(m_worker, m_id);
    // A queued call, posted after the queued Finished call, so the receiver's
    // slot runs first. deleteLater would not keep that order: a deferred
    // delete may be flushed ahead of other posted events (QTest::qWait does so).
    if (Worker *worker = m_worker)
        QMetaObject::invokeMethod(worker, [worker] { delete worker; }, Qt::QueuedConnection);
}
