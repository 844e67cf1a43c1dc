#include "WorkerThreadPool.h"

#include "TransportMetaTypes.h"
#include "WorkerThread.h"

#include <QThreadPool>

namespace {

// Exchanges must never overlap: two workers could otherwise hold the same UDP
// port or talk to the same clock at once.
constexpr int workerThreadCount = 1;

} // namespace

WorkerThreadPool::WorkerThreadPool()
    : m_pool(QThreadPool::globalInstance())
{
    registerTransportMetaTypes();
    m_pool->setMaxThreadCount(workerThreadCount);
}

WorkerThreadPool *WorkerThreadPool::instance()
{
    static WorkerThreadPool pool;
    return &pool;
}

void WorkerThreadPool::start(WorkerThread *thread)
{
    if (!thread)
        return;
    WorkerThreadPool *self = instance();
    // Someone may have raised the shared global pool since it was created;
    // serial exchanges are what every client relies on.
    if (self->m_pool->maxThreadCount() != workerThreadCount)
        self->m_pool->setMaxThreadCount(workerThreadCount);
    self->m_pool->start(thread, 0);
}
