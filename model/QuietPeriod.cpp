#include "QuietPeriod.h"

#include "ClockRegistry.h"
#include "DevClock.h"
#include "DevGroup.h"

namespace {

const QString liftedText = QStringLiteral("lifted");
const QString timeFormat = QStringLiteral("yyyy-MM-ddThh:mm:ss");

} // namespace

QString QuietPeriod::toText() const
{
    if (!on)
        return QString();
    return until.isValid() ? until.toString(timeFormat) : liftedText;
}

QuietPeriod QuietPeriod::fromText(const QString &text)
{
    if (text == liftedText)
        return untilLifted();
    const QDateTime end = QDateTime::fromString(text, timeFormat);
    return end.isValid() ? endingAt(end) : QuietPeriod();
}

QuietPeriod quietPeriodOf(const DevClock &clock, const QDateTime &now)
{
    QuietPeriod longest;
    const DevGroup *group = ClockRegistry::instance()->groupOfClock(&clock);
    for (const QuietPeriod *period : {&clock.quietPeriod, group ? &group->quietPeriod : nullptr}) {
        if (!period || !period->isActive(now))
            continue;
        if (!longest.on || !period->until.isValid() || (longest.until.isValid() && period->until > longest.until))
            longest = *period;
    }
    return longest;
}
