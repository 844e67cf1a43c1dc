#include "health/ClockHealth.h"

void ClockHealth::adjust(int kind, int delta)
{
    int &counter = m_counters[std::size_t(kind)];
    // Widened so that no step can overflow.
    const long long next = static_cast<long long>(counter) + delta;
    if (next <= 0) {
        if (counter > 0)
            ++m_episodes[std::size_t(kind)];
        counter = 0;
    } else {
        counter = next > limit ? limit : static_cast<int>(next);
    }
}

void ClockHealth::apply(int ntpState, const QDateTime &at)
{
    switch (ntpState) {
    case NtpTimeout:
    case NtpNoConnection:
    case NtpNoAuthentication:
        // The failure seen rises; every other kind fades a little.
        for (int i = 0; i < ntpStatusCount; ++i)
            adjust(i, i == ntpState ? step : -(step / 5));
        if (!m_failingSince.isValid())
            m_failingSince = at;
        break;
    case NtpOther:
    case NtpNoStatus:
        break;
    default:
        for (int i = 0; i < ntpStatusCount; ++i)
            adjust(i, -(step / 2));
        // Only a good state decays the counters: the failure episode is over.
        m_failingSince = QDateTime();
        break;
    }
    m_ntp = ntpState;
}

void ClockHealth::restart()
{
    for (int i = 0; i < ntpStatusCount; ++i)
        adjust(i, -limit);
    m_ntp = NtpNoStatus;
    m_failingSince = QDateTime();
}

int ClockHealth::firstDueAlert() const
{
    for (int i = 0; i < ntpStatusCount; ++i) {
        if (isDue(i) && (i != NtpNoConnection || isDead()))
            return i;
    }
    return ntpStatusCount;
}
