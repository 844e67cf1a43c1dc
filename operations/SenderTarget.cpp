#include "operations/SenderTarget.h"

#include "model/DevClock.h"

SenderTarget SenderTarget::fromClock(const DevClock &clock)
{
    SenderTarget target;
    target.device.address = QHostAddress(clock.network.ip);
    target.device.firmware = clock.firmware;
    target.device.networkInterface = clock.networkInterface;
    target.user = clock.user;
    target.password = clock.password;
    target.clockId = clock.id;
    return target;
}
