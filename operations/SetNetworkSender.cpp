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
    // The per-target error kinds are not kept by this sender; the reason is
    // for the message only.
    if (www && !noResponse)
        m_reasons[index] = www->failureReason();
    recordResult(index, !worker->error() || noResponse, worker->data());
}
