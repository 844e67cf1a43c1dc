#include "operations/SimpleSender.h"

#include "transport/CommandWWW.h"
#include "transport/Worker.h"
#include "transport/WorkerThread.h"
#include "transport/WorkerWWW.h"

#include <limits>

SimpleSender::SimpleSender(const QList<SenderTarget> &targets, QObject *parent)
    : DataSender(0, parent)
    , m_targets(targets)
{
}

SimpleSender::~SimpleSender() = default;

void SimpleSender::setCommand(std::unique_ptr<CommandWWW> command)
{
    m_command = std::move(command);
}

quint64 SimpleSender::clockId(int index) const
{
    if (!isTargetIndex(index))
        return std::numeric_limits<quint64>::max();
    return m_targets.at(index).clockId;
}

void SimpleSender::run()
{
    if (!m_command) {
        fail();
        return;
    }
    m_finishedCount = 0;
    const int count = m_targets.size();
    m_succeeded = QVector<bool>(count, false);
    m_errors = QVector<Error>(count, NoError);
    m_reasons = QVector<QString>(count);
    m_replies = QVector<QByteArray>(count);
    if (count == 0) {
        // Nothing to wait for; without this an empty sender would never end.
        emitFinished();
        return;
    }
    // All at once: the worker pool runs them in parallel, each clock's in turn.
    for (int i = 0; i < count; ++i) {
        if (!sendExchange(m_targets.at(i), *m_command, i, &SimpleSender::onWorkerFinished)) {
            m_errors[i] = ConnectionError;
            recordResult(i, false, QByteArray());
        }
    }
}

void SimpleSender::onWorkerFinished(Worker *worker, int index)
{
    if (hasEnded() || !isTargetIndex(index))
        return;
    auto *www = qobject_cast<WorkerWWW *>(worker);
    m_errors[index] = www ? www->errorCode() : (worker->error() ? ConnectionError : NoError);
    m_reasons[index] = www ? www->failureReason() : QString();
    recordResult(index, !worker->error(), worker->data());
}

void SimpleSender::recordResult(int index, bool succeeded, const QByteArray &reply)
{
    m_succeeded[index] = succeeded;
    m_replies[index] = reply;
    ++m_finishedCount;
    setProgress(double(m_finishedCount) / m_targets.size());
    if (m_finishedCount < m_targets.size())
        return;
    if (m_succeeded.contains(false))
        setResult(Failed);
    emitFinished();
}
