#include "operations/SteppedClockSender.h"

#include "model/DevClock.h"
#include "transport/Worker.h"
#include "transport/WorkerThread.h"
#include "transport/WorkerWWW.h"

namespace {

const double StepProgress[] = {0.33, 0.66, 1.0};

} // namespace

SteppedClockSender::SteppedClockSender(const SenderTarget &target, QObject *parent)
    : DataSender(target.clockId, parent)
    , m_target(target)
    , m_scratchClock(std::make_unique<DevClock>())
{
}

SteppedClockSender::~SteppedClockSender() = default;

void SteppedClockSender::run()
{
    m_step = 0;
    sendStep();
}

void SteppedClockSender::sendStep()
{
    if (m_step < 0 || m_step >= StepCount) {
        fail();
        return;
    }
    CommandWWW command(stepCommand(m_step), QByteArray());
    if (!sendExchange(m_target, command, -1, &SteppedClockSender::onWorkerFinished)) {
        setErrorCode(ConnectionError);
        fail();
    }
}

void SteppedClockSender::onWorkerFinished(Worker *worker, int /*id*/)
{
    if (hasEnded())
        return;
    if (worker->error()) {
        setErrorFrom(worker);
        fail();
        return;
    }
    if (m_step < 0 || m_step >= StepCount) {
        fail();
        return;
    }
    parseStep(m_step, QString::fromUtf8(worker->data()));
    // A reply can end the sender (see GetConfigurationSender).
    if (hasEnded())
        return;
    setProgress(StepProgress[m_step]);
    ++m_step;
    if (m_step == StepCount)
        emitFinished();
    else
        sendStep();
}
