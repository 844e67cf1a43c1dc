#include "operations/change/WaveRule.h"

#include <QRegularExpression>

#include <cmath>

namespace {

constexpr int wholePercent = 100;

int percentOf(int total, int percent)
{
    return int(std::ceil(double(total) * percent / wholePercent));
}

} // namespace

int WaveRule::canarySize(int clocks) const
{
    return canary > 0 ? canary : qMax(1, percentOf(clocks, defaultCanaryPercent));
}

int WaveRule::waveSize(int clocks) const
{
    return wave > 0 ? wave : qMax(1, percentOf(clocks, defaultWavePercent));
}

int WaveRule::allowedFailures(int clocks) const
{
    return maxFailed >= 0 ? maxFailed : clocks * maxFailedPercent / wholePercent;
}

bool WaveRule::readMaxFailed(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,6})(%?)$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return false;
    const int value = match.captured(1).toInt();
    if (match.captured(2).isEmpty()) {
        maxFailed = value;
        return true;
    }
    if (value > wholePercent)
        return false;
    maxFailed = -1;
    maxFailedPercent = value;
    return true;
}
