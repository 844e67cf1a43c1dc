#include "health/ClockHealth.h"
#include "model/DevClock.h"

#include <cstddef>
#include <cstdint>

// The first byte picks the status code the reply came with; the rest is the
// reply, given to each of the clock reply parsers.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const int statusCodes[] = {0, 200, 401, 404};
    const int statusCode = statusCodes[data[0] % 4];
    const QString reply = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), static_cast<int>(size - 1));

    DevClock clock;
    int word = -1;
    clock.parseStatus(reply, statusCode, QDateTime(), &word);
    clock.parseNetworkSettings(reply, statusCode, QStringLiteral("user"), QStringLiteral("pass"));
    clock.parseFirmware(reply);
    clock.parseDeviceInformation(reply);
    ClockHealth health;
    health.apply(word, QDateTime());
    (void)clock.statusText();
    (void)clock.firmwareText();
    (void)clock.lastErrorText(true);
    (void)health.firstDueAlert();
    return 0;
}
