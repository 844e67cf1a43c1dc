#include "model/QuietPeriod.h"

namespace {

const QString liftedText = QStringLiteral("lifted");
const QString timeFormat = QStringLiteral("yyyy-MM-ddThh:mm:ss");

} // namespace

QString QuietPeriod::toText() const
{
    if (!on)
        return QString();
    if (!until.isValid())
        return liftedText;
    // With the offset: a request written in one time zone and read by a
    // monitor in another must end at the same moment.
    return until.toOffsetFromUtc(until.offsetFromUtc()).toString(Qt::ISODate);
}

QuietPeriod QuietPeriod::fromText(const QString &text)
{
    if (text == liftedText)
        return untilLifted();
    // Files written before the offset was kept hold local time, which ISO
    // reading gives a time without one. Kept as local time, as it is shown.
    const QDateTime end = QDateTime::fromString(text, Qt::ISODate);
    return end.isValid() && text.size() >= timeFormat.size() ? endingAt(end.toLocalTime()) : QuietPeriod();
}

QuietPeriod QuietPeriod::longerActive(const QuietPeriod &own, const QuietPeriod &group, const QDateTime &now)
{
    QuietPeriod longest;
    for (const QuietPeriod *period : {&own, &group}) {
        if (!period->isActive(now))
            continue;
        if (!longest.on || !period->until.isValid() || (longest.until.isValid() && period->until > longest.until))
            longest = *period;
    }
    return longest;
}
