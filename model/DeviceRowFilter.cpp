#include "model/DeviceRowFilter.h"

#include "model/DevClock.h"

bool DeviceRowFilter::accepts(const DevClock &clock) const
{
    // Warning, critical, and a clock without a status yet: nothing says it is fine.
    if (m_problemsOnly && clock.ntpSeverity() == 0)
        return false;
    return m_text.isEmpty() || clock.name.contains(m_text, Qt::CaseInsensitive)
        || clock.network.ip.contains(m_text);
}
