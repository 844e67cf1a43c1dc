#include "RefreshStatusSender.h"

#include "CommandWWW.h"
#include "DevClock.h"
#include "Worker.h"
#include "WorkerThread.h"
#include "WorkerWWW.h"

namespace {

const CommandType StepCommands[] = {ReadFirmware, ReadNetwork, ReadStatus};
const double StepProgress[] = {0.33, 0.66, 1.0};
const int StepCount = 3;
// The replies carry no HTTP status of their own: the worker already refused anything but 200.
const int NoStatusCode = 0;

} // namespace

RefreshStatusSender::RefreshStatusSender(const SenderTarget &target, QObject *parent)
    : DataSender(target.clockId, parent)
    , m_target(target)
    , m_refreshedClock(std::make_unique<DevClock>())
{
}

RefreshStatusSender::~RefreshStatusSender() = default;

void RefreshStatusSender::run()
{
    m_step = 0;
    sendStep();
}

void RefreshStatusSender::sendStep()
{
    if (m_step < 0 || m_step >= StepCount) {
        fail();
        return;
    }
    CommandWWW command(StepCommands[m_step], QByteArray());
    if (!sendExchange(m_target, command, -1, &RefreshStatusSender::onWorkerFinished)) {
        setErrorCode(ConnectionError);
        fail();
    }
}

void RefreshStatusSender::onWorkerFinished(Worker *worker, int /*id*/)
{
    if (hasEnded())
        return;
    if (worker->error()) {
        auto *www = qobject_cast<WorkerWWW *>(worker);
        setErrorCode(www ? www->errorCode() : ConnectionError);
        fail();
        return;
    }
    const QString reply = QString::fromUtf8(worker->data());
    switch (m_step) {
    case 0:
        m_refreshedClock->parseFirmware(reply);
        break;
    case 1:
        m_refreshedClock->parseNetworkSettings(reply, NoStatusCode, m_target.user, m_target.password);
        break;
    case 2:
        m_refreshedClock->parseStatus(reply, NoStatusCode);
        break;
    default:
        fail();
        return;
    }
    setProgress(StepProgress[m_step]);
    ++m_step;
    if (m_step == StepCount)
        emitFinished();
    else
        sendStep();
}
