#include "transport/WorkerThreadPool.h"

#include "transport/TransportMetaTypes.h"
#include "transport/Worker.h"
#include "transport/WorkerThread.h"
#include "transport/WorkerWWW.h"

#include <QDeadlineTimer>

#include <sys/resource.h>

namespace {

// The soft limit on open files, raised to the hard limit; the old soft limit
// when that is refused.
rlim_t raiseOpenFileLimit()
{
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0)
        return 0;
    if (limit.rlim_cur < limit.rlim_max) {
        const rlimit raised{limit.rlim_max, limit.rlim_max};
        if (setrlimit(RLIMIT_NOFILE, &raised) == 0)
            return raised.rlim_cur;
    }
    return limit.rlim_cur;
}

} // namespace

WorkerThreadPool::WorkerThreadPool(QObject *parent)
    : QObject(parent)
{
    registerTransportMetaTypes();
    setBound(ExchangeSchedule::DefaultBound);
}

WorkerThreadPool::~WorkerThreadPool()
{
    qDeleteAll(m_waiting);
}

HttpExchange::Waits WorkerThreadPool::probeWaits() const
{
    HttpExchange::Waits waits = m_waits;
    waits.connectMs = m_probeConnectMs;
    return waits;
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

void WorkerThreadPool::configure(int parallel, int pollCeiling)
{
    m_openFileLimit = raiseOpenFileLimit();
    setBound(parallel);
    setPollCeiling(pollCeiling);
}

QString WorkerThreadPool::capacityText() const
{
    const QString files = m_openFileLimit == RLIM_INFINITY ? tr("unlimited")
                                                           : QString::number(qulonglong(m_openFileLimit));
    return tr("Polls in flight: at least %1 for answering clocks and %2 for failing ones, "
              "following the fleet, at most %3 together; %4 user exchanges at once; "
              "open-file limit %5.")
        .arg(m_schedule.bound())
        .arg(m_schedule.retryFloor())
        .arg(qMax(m_schedule.pollCeiling(), m_schedule.bound() + m_schedule.retryFloor()))
        .arg(m_schedule.bound())
        .arg(files);
}

void WorkerThreadPool::setPollCeiling(int ceiling)
{
    m_schedule.setPollCeiling(ceiling);
    fitThreads();
}

void WorkerThreadPool::setPollDemand(ExchangeLane lane, double pollsPerSecond)
{
    m_schedule.setPollDemand(lane, pollsPerSecond);
    fitThreads();
}

void WorkerThreadPool::fitThreads()
{
    // Each lane may fill its bound; a thread is only busy while its exchange
    // runs, so this is never more than the schedule lets start. Idle threads
    // end after a while, so a lane that shrinks gives its threads back.
    if (m_threads.maxThreadCount() != m_schedule.totalBound())
        m_threads.setMaxThreadCount(m_schedule.totalBound());
    dispatch();
}

void WorkerThreadPool::start(WorkerThread *thread, ExchangeLane lane, const QObject *owner)
{
    if (!thread)
        return;
    const Worker *worker = thread->worker();
    const ExchangeSchedule::Id id = m_schedule.add({worker ? worker->exchangeKey() : QString(), lane, owner});
    m_waiting.insert(id, thread);
    // Queued: Finished is emitted on the pool thread, and this must run after
    // the owner's own slot, which was connected first and may already have
    // asked for its next exchange with the same clock.
    connect(thread, &WorkerThread::Finished, this, [this, id] { onExchangeEnded(id); });
    dispatch();
}

void WorkerThreadPool::startOnLoop(const QString &key, ExchangeLane lane, const QObject *owner,
                                   ExchangeLoop::Request request, LoopDone done)
{
    const ExchangeSchedule::Id id = m_schedule.add({key, lane, owner});
    m_waitingOnLoop.insert(id, {std::move(request), std::move(done)});
    dispatch();
}

void WorkerThreadPool::withdraw(const QObject *owner)
{
    const QVector<ExchangeSchedule::Id> dropped = m_schedule.withdraw(owner);
    for (const ExchangeSchedule::Id id : dropped) {
        delete m_waiting.take(id);
        m_waitingOnLoop.remove(id);
    }
    if (!dropped.isEmpty())
        dispatch();
}

void WorkerThreadPool::dispatch()
{
    const QVector<ExchangeSchedule::Id> startable = m_schedule.takeStartable();
    for (const ExchangeSchedule::Id id : startable) {
        if (WorkerThread *thread = m_waiting.take(id)) {
            if (!runOnLoop(thread))
                m_threads.start(thread, 0);
            continue;
        }
        const auto found = m_waitingOnLoop.find(id);
        if (found == m_waitingOnLoop.end())
            continue;
        LoopExchange exchange = std::move(*found);
        m_waitingOnLoop.erase(found);
        // Its owner hears of the end before the next exchange for the key starts.
        m_exchanges.submit(std::move(exchange.request),
                           [this, id, done = std::move(exchange.done)](ExchangeLoop::Outcome &&outcome) {
                               done(std::move(outcome));
                               onExchangeEnded(id);
                           });
    }
}

bool WorkerThreadPool::runOnLoop(WorkerThread *thread)
{
    auto *www = qobject_cast<WorkerWWW *>(thread->worker());
    if (!www)
        return false;
    www->startAsync(m_exchanges, [thread] {
        thread->finishRun();
        if (thread->autoDelete())
            delete thread;
    });
    return true;
}

void WorkerThreadPool::onExchangeEnded(ExchangeSchedule::Id id)
{
    m_schedule.finish(id);
    fitThreads();
}

bool WorkerThreadPool::waitForDone(int msecs)
{
    const QDeadlineTimer deadline(msecs < 0 ? QDeadlineTimer::Forever : QDeadlineTimer(msecs));
    if (!m_threads.waitForDone(msecs))
        return false;
    while (m_exchanges.pending() > 0) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(5);
    }
    return true;
}
