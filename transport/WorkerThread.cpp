#include "WorkerThread.h"

#include "Worker.h"

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
    m_ran = true;
    emit Finished(m_worker, m_id);
    // Posted after the queued Finished call, so the receiver's slot runs first.
    if (m_worker)
        m_worker->deleteLater();
}
