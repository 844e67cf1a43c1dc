#include "operations/RefreshStatusSender.h"

#include "model/DevClock.h"

namespace {

const CommandType StepCommands[] = {ReadFirmware, ReadNetwork, ReadStatus};
// The replies carry no HTTP status of their own: the worker already refused anything but 200.
const int NoStatusCode = 0;

} // namespace

RefreshStatusSender::RefreshStatusSender(const SenderTarget &target, QObject *parent)
    : SteppedClockSender(target, parent)
{
}

CommandType RefreshStatusSender::stepCommand(int step) const
{
    return StepCommands[step];
}

void RefreshStatusSender::parseStep(int step, const QString &reply)
{
    switch (step) {
    case 0:
        scratchClock()->parseFirmware(reply);
        break;
    case 1:
        scratchClock()->parseNetworkSettings(reply, NoStatusCode, target().user, target().password);
        break;
    case 2:
        scratchClock()->parseStatus(reply, NoStatusCode);
        break;
    }
}
