#include "ui/widgets/ProgressRamp.h"

#include <algorithm>
#include <cmath>

void ProgressRamp::setTarget(double value)
{
    // Reports come from operations; a value outside 0..1 (or not a number)
    // must not push the bar out of its range.
    if (std::isnan(value))
        return;
    m_target = std::clamp(value, 0.0, 1.0);
    if (m_target == 1.0)
        m_shown = 1.0;
}

bool ProgressRamp::tick()
{
    if (!(m_target > m_shown))
        return false;
    m_shown = std::min(m_target, m_shown + m_tickSeconds / m_rampSeconds);
    return true;
}

void ProgressRamp::finish()
{
    m_target = 1.0;
    m_shown = 1.0;
}

int ProgressRamp::tickIntervalMs() const
{
    return int(std::lround(m_tickSeconds * 1000.0));
}

int ProgressRamp::scaled(int maximum) const
{
    return int(maximum * m_shown);
}
