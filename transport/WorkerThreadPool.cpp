#include "WorkerThreadPool.h"

#include "TransportMetaTypes.h"
#include "Worker.h"
#include "WorkerThread.h"

namespace {

// Senders still alive at exit withdraw from their destructors, which may run
// after this static object is gone.
bool poolAlive = false;

} // namespace

WorkerThreadPool::WorkerThreadPool()
{
    registerTransportMetaTypes();
    setBound(ExchangeSchedule::DefaultBound);
    poolAlive = true;
}

WorkerThreadPool::~WorkerThreadPool()
{
    poolAlive = false;
    qDeleteAll(m_waiting);
}

WorkerThreadPool *WorkerThreadPool::instance()
{
    static WorkerThreadPool pool;
    return &pool;
}

void WorkerThreadPool::setBound(int bound)
{
    m_schedule.setBound(bound);
    fitThreads();
}

void WorkerThreadPool::setProbeBound(int bound)
{
    m_schedule.setProbeBound(bound);
    fitThreads();
}

void WorkerThreadPool::fitThreads()
{
    // Each lane may fill its bound; a thread is only busy while its exchange
    // runs, so this is never more than the schedule lets start.
    m_threads.setMaxThreadCount(2 * m_schedule.bound() + m_schedule.probeBound() + m_schedule.retryBound());
    dispatch();
}

void WorkerThreadPool::start(WorkerThread *thread, ExchangeLane lane, const QObject *owner)
{
    if (!thread)
        return;
    WorkerThreadPool *self = instance();
    const Worker *worker = thread->worker();
    const ExchangeSchedule::Id id = self->m_schedule.add({worker ? worker->exchangeKey() : QString(), lane, owner});
    self->m_waiting.insert(id, thread);
    // Queued: Finished is emitted on the pool thread, and this must run after
    // the owner's own slot, which was connected first and may already have
    // asked for its next exchange with the same clock.
    connect(thread, &WorkerThread::Finished, self, [self, id] { self->onExchangeEnded(id); });
    self->dispatch();
}

void WorkerThreadPool::withdraw(const QObject *owner)
{
    if (!poolAlive)
        return;
    WorkerThreadPool *self = instance();
    const QVector<ExchangeSchedule::Id> dropped = self->m_schedule.withdraw(owner);
    for (const ExchangeSchedule::Id id : dropped)
        delete self->m_waiting.take(id);
    if (!dropped.isEmpty())
        self->dispatch();
}

void WorkerThreadPool::dispatch()
{
    const QVector<ExchangeSchedule::Id> startable = m_schedule.takeStartable();
    for (const ExchangeSchedule::Id id : startable) {
        if (WorkerThread *thread = m_waiting.take(id))
            m_threads.start(thread, 0);
    }
}

void WorkerThreadPool::onExchangeEnded(ExchangeSchedule::Id id)
{
    m_schedule.finish(id);
    dispatch();
}

bool WorkerThreadPool::waitForDone(int msecs)
{
    return m_threads.waitForDone(msecs);
}
