// Discovery replies come from anything on the local network that answers on
// port 9666: the parser must survive every byte string.
#include "transport/DeviceInfo.h"
#include "operations/DiscoveryDatagram.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray datagram(reinterpret_cast<const char *>(data), int(size));
    DeviceInfo info;
    DiscoveryDatagram::parse(datagram, QStringLiteral("192.168.0.11"), info);
    (void)info.isValid();
    return 0;
}
