#include "operations/SetConfigurationSender.h"

#include "model/ClockConfig.h"
#include "transport/CommandWWW.h"
#include "model/ConfigCodes.h"
#include "model/ParameterText.h"
#include "transport/Worker.h"
#include "transport/WorkerWWW.h"
#include "transport/WorkerThread.h"

namespace {

const int StageCount = 3;
const double StageShare = 0.33;
const ConfigPart StageParts[StageCount] = {ConfigPart::Time, ConfigPart::Display, ConfigPart::Alarms};

} // namespace

SetConfigurationSender::SetConfigurationSender(const ClockConfig &config, const QList<SenderTarget> &targets,
                                               QObject *parent)
    : DataSender(0, parent)
    , m_targets(targets)
    , m_config(ClockConfig::copy(config))
{
}

SetConfigurationSender::~SetConfigurationSender() = default;

void SetConfigurationSender::run()
{
    m_refusedField = ParameterText::firstUnsafeField(*m_config);
    if (!m_refusedField.isEmpty()) {
        m_succeeded = QVector<bool>(m_targets.size(), false);
        setErrorCode(IncorrectData);
        fail();
        return;
    }
    m_succeeded = QVector<bool>(m_targets.size(), true);
    m_reasons = QVector<QString>(m_targets.size());
    m_stage = -1;
    m_stage = nextStage();
    if (m_stage >= StageCount) {
        fail();
        return;
    }
    sendStage();
}

int SetConfigurationSender::nextStage() const
{
    int stage = m_stage + 1;
    while (stage < StageCount && !m_parts.contains(StageParts[stage]))
        ++stage;
    return stage;
}

void SetConfigurationSender::sendStage()
{
    CommandType type;
    QByteArray body;
    switch (m_stage) {
    case 0:
        type = CommandType::WriteTimeConfig;
        body = encodeTimeConfig(*m_config);
        break;
    case 1:
        type = CommandType::WriteDisplayConfig;
        body = encodeDisplayConfig(*m_config);
        break;
    case 2:
        type = CommandType::WriteAlarmConfig;
        body = encodeAlarmConfig(*m_config);
        break;
    default:
        fail();
        return;
    }
    const int remaining = m_succeeded.count(true);
    if (remaining == 0) {
        fail();
        return;
    }
    m_doneCount = 0;
    m_pendingCount = remaining;
    CommandWWW command(type, body);
    for (int i = 0; i < m_targets.size(); ++i) {
        if (m_succeeded.at(i) && !sendExchange(m_targets.at(i), command, i, &SetConfigurationSender::onWorkerFinished)) {
            fail();
            return;
        }
    }
}

void SetConfigurationSender::onWorkerFinished(Worker *worker, int index)
{
    if (hasEnded() || index < 0 || index >= m_succeeded.size())
        return;
    ++m_doneCount;
    setProgress(StageShare * m_stage + StageShare * m_doneCount / m_pendingCount);
    // The reply's content is not examined: a clock that answered took the part.
    m_succeeded[index] = !worker->error();
    if (auto *www = qobject_cast<WorkerWWW *>(worker))
        m_reasons[index] = www->failureReason();
    if (m_doneCount < m_pendingCount)
        return;
    if (!m_succeeded.contains(true)) {
        fail();
        return;
    }
    if (nextStage() < StageCount) {
        m_stage = nextStage();
        sendStage();
        return;
    }
    setProgress(1.0);
    emitFinished();
}
