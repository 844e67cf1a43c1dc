#include "operations/DataSender.h"

#include "transport/CommandWWW.h"
#include "operations/SenderTarget.h"
#include "transport/WorkerFactory.h"
#include "transport/WorkerThread.h"
#include "transport/WorkerThreadPool.h"
#include "transport/WorkerWWW.h"

#include <algorithm>

DataSender::DataSender(quint64 clockId, QObject *parent)
    : QObject(parent)
    , m_clockId(clockId)
{
}

DataSender::~DataSender()
{
    if (m_workers)
        m_workers->withdraw(this);
}

void DataSender::setWorkers(WorkerThreadPool *workers)
{
    m_workers = workers;
}

WorkerThreadPool *DataSender::workers() const
{
    return m_workers;
}

void DataSender::start()
{
    if (m_started || m_ended)
        return;
    m_started = true;
    run();
}

void DataSender::cancel()
{
    m_cancelRequested = true;
    markCanceled();
}

quint64 DataSender::clockId(int /*index*/) const
{
    return m_clockId;
}

void DataSender::setProgress(double value)
{
    m_progress = std::min(value, 1.0);
    emit updateProgress(m_progress);
}

void DataSender::addProgress(double delta)
{
    setProgress(m_progress + delta);
}

void DataSender::setErrorFrom(Worker *worker)
{
    auto *www = qobject_cast<WorkerWWW *>(worker);
    m_error = www ? www->errorCode() : ConnectionError;
    m_errorReason = www ? www->failureReason() : QString();
}

bool DataSender::beginEnd()
{
    if (m_ended)
        return false;
    m_ended = true;
    if (m_workers)
        m_workers->withdraw(this);
    return true;
}

void DataSender::emitFinished()
{
    if (beginEnd())
        emit finished(this);
}

void DataSender::fail()
{
    if (!beginEnd())
        return;
    m_result = Failed;
    emit error(this);
}

void DataSender::markCanceled()
{
    if (!beginEnd())
        return;
    m_result = Canceled;
    emit canceled(this);
}

WorkerThread *DataSender::makeExchange(const SenderTarget &target, CommandWWW &command, int id) const
{
    const std::unique_ptr<InterfaceParameters> parameters =
        makeParameters(target.device, Www, target.user, target.password, target.device.firmware);
    Worker *worker = parameters && m_workers ? createWorker(command, *parameters) : nullptr;
    if (!worker)
        return nullptr;
    if (auto *www = qobject_cast<WorkerWWW *>(worker)) {
        www->setWaits(m_lane == ExchangeLane::Probe ? m_workers->probeWaits() : m_workers->waits());
        www->setWithoutCredentials(target.withoutCredentials);
    }
    auto *thread = new WorkerThread(worker);
    thread->setId(id);
    return thread;
}

void DataSender::startExchange(WorkerThread *thread)
{
    // Asked for while the sender ended (a slot of its own cancelled it).
    if (m_ended) {
        delete thread;
        return;
    }
    if (!m_workers) {
        delete thread;
        setErrorCode(ConnectionError);
        fail();
        return;
    }
    m_workers->start(thread, m_lane, this);
}
