#include "operations/SetNetworkSender.h"

#include "transport/WorkerWWW.h"

SetNetworkSender::SetNetworkSender(const QList<SenderTarget> &targets, QObject *parent)
    : SimpleSender(targets, parent)
{
}

void SetNetworkSender::onWorkerFinished(Worker *worker, int index)
{
    if (hasEnded() || !isTargetIndex(index))
        return;
    auto *www = qobject_cast<WorkerWWW *>(worker);
    const bool noResponse = www && www->errorCode() == NoResponse;
    // The kind goes with the reason: a refused password reads as it does
    // after every other command, not as a connection failure.
    if (www && !noResponse) {
        m_errors[index] = www->errorCode();
        m_reasons[index] = www->failureReason();
    }
    recordResult(index, !worker->error() || noResponse, worker->data());
}
