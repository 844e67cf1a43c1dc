#include "GetConfigurationSender.h"

#include "DevClock.h"

namespace {

const CommandType StepCommands[] = {ReadTimeConfig, ReadDisplayConfig,
                                    ReadAlarmConfig};
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
    // A part that does not decode keeps its defaults; only the alarm part marks
    // the configuration as loaded.
    switch (step) {
    case 0:
        scratchClock()->parseTimeConfig(reply, HttpOk);
        break;
    case 1:
        scratchClock()->parseDisplayConfig(reply, HttpOk);
        break;
    case 2:
        scratchClock()->parseAlarmConfig(reply, HttpOk);
        break;
    }
}
