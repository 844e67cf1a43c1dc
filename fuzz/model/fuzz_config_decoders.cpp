#include "model/ClockConfig.h"
#include "model/ConfigCodes.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// The reply goes to the three decoders; whatever they accepted is encoded
// again, so values no clock would send also pass through the encoders.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString reply = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<int>(size));

    ClockConfig config;
    const auto before = ClockConfig::copy(config);
    const bool time = decodeTimeConfig(config, reply);
    const bool display = decodeDisplayConfig(config, reply);
    const bool alarms = decodeAlarmConfig(config, reply);
    // A refused reply must leave the record exactly as it was.
    if (!time && !display && !alarms && !config.sameContent(*before))
        std::abort();
    if (config.loaded != alarms)
        std::abort();

    (void)encodeTimeConfig(config);
    (void)encodeDisplayConfig(config);
    const QByteArray alarmBody = encodeAlarmConfig(config);
    if (alarmBody.count('=') != 6 * alarmCount)
        std::abort();
    return 0;
}
