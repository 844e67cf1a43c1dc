#include "operations/GetConfigurationSender.h"

#include "model/DevClock.h"

namespace {

const CommandType StepCommands[] = {ReadTimeConfig, ReadDisplayConfig,
                                    ReadAlarmConfig};
const ConfigPart StepParts[] = {ConfigPart::Time, ConfigPart::Display, ConfigPart::Alarms};
const int HttpOk = 200;

} // namespace

GetConfigurationSender::GetConfigurationSender(const SenderTarget &target, QObject *parent)
    : SteppedClockSender(target, parent)
{
}

CommandType GetConfigurationSender::stepCommand(int step) const
{
    return StepCommands[step];
}

void GetConfigurationSender::parseStep(int step, const QString &reply)
{
    bool decoded = false;
    switch (step) {
    case 0:
        decoded = scratchClock()->parseTimeConfig(reply, HttpOk);
        break;
    case 1:
        decoded = scratchClock()->parseDisplayConfig(reply, HttpOk);
        break;
    case 2:
        decoded = scratchClock()->parseAlarmConfig(reply, HttpOk);
        break;
    }
    if (decoded) {
        ++m_decodedParts;
        return;
    }
    m_unreadPart = StepParts[step];
    setErrorCode(IncorrectData);
    fail();
}
