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
    clock.parseStatus(reply, statusCode);
    clock.parseNetworkSettings(reply, statusCode, QStringLiteral("user"), QStringLiteral("pass"));
    clock.parseFirmware(reply);
    clock.parseDeviceInformation(reply);
    clock.setNtpStatus(clock.status.NtpSynchronization);
    (void)clock.statusText();
    (void)clock.firmwareText();
    (void)clock.lastErrorText(true);
    (void)clock.firstDueAlert();
    return 0;
}
