#include "transport/CommandDeviceInfo.h"

namespace {

constexpr char deviceInfoQuery[] = "QLX?";

} // namespace

void CommandDeviceInfo::build()
{
    m_payload = QByteArray(deviceInfoQuery);
    m_expectedLength = 0;
}
