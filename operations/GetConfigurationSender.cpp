#include "GetConfigurationSender.h"

#include "CommandWWW.h"
#include "DevClock.h"
#include "Worker.h"
#include "WorkerThread.h"
#include "WorkerWWW.h"

namespace {

const CommandType StepCommands[] = {ReadTimeConfig, ReadDisplayConfig,
                                    ReadAlarmConfig};
const double StepProgress[] = {0.33, 0.66, 1.0};
const int StepCount = 3;
const int HttpOk = 200;

} // namespace

GetConfigurationSender::GetConfigurationSender(const SenderTarget &target, QObject *parent)
    : DataSender(target.clockId, parent)
    , m_target(target)
    , m_downloadedClock(std::make_unique<DevClock>())
{
}

GetConfigurationSender::~GetConfigurationSender() = default;

void GetConfigurationSender::run()
{
    m_step = 0;
    sendStep();
}

void GetConfigurationSender::sendStep()
{
    if (m_step < 0 || m_step >= StepCount) {
        fail();
        return;
    }
    CommandWWW command(StepCommands[m_step], QByteArray());
    if (!sendExchange(m_target, command, -1, &GetConfigurationSender::onWorkerFinished)) {
        setErrorCode(ConnectionError);
        fail();
    }
}

void GetConfigurationSender::onWorkerFinished(Worker *worker, int /*id*/)
{
    if (hasEnded())
        return;
    if (worker->error()) {
        auto *www = qobject_cast<WorkerWWW *>(worker);
        setErrorCode(www ? www->errorCode() : ConnectionError);
        fail();
        return;
    }
    // A part that does not decode keeps its defaults; only the alarm part marks
    // the configuration as loaded.
    const QString reply = QString::fromUtf8(worker->data());
    switch (m_step) {
    case 0:
        m_downloadedClock->parseTimeConfig(reply, HttpOk);
        break;
    case 1:
        m_downloadedClock->parseDisplayConfig(reply, HttpOk);
        break;
    case 2:
        m_downloadedClock->parseAlarmConfig(reply, HttpOk);
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
