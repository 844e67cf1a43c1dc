#include "board/BoardJson.h"

#include "session/ClockEventText.h"
#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "model/FleetSummary.h"
#include "model/QuietPeriod.h"
#include "values/Decimal.h"

namespace BoardJson {

namespace {

QJsonValue utcText(const QDateTime &time)
{
    return time.isValid() ? QJsonValue(time.toUTC().toString(Qt::ISODateWithMs)) : QJsonValue();
}

} // namespace

QString severityName(int severity)
{
    switch (severity) {
    case 0: return QStringLiteral("ok");
    case 1: return QStringLiteral("warning");
    case 2: return QStringLiteral("critical");
    default: return QStringLiteral("unknown");
    }
}

QJsonObject clock(const DevClock &clock, const ClockRegistry &registry, const QDateTime &now,
                  const TextCatalogue &texts)
{
    const DevGroup *group = registry.groupAt(clock.groupId);
    const QuietPeriod quiet = registry.quietPeriodOf(clock, now);
    const bool known = clock.status.lastStatusUpdate.isValid();
    QJsonObject row{
        {QStringLiteral("id"), QString::number(clock.id)},
        {QStringLiteral("name"), clock.name},
        {QStringLiteral("ip"), clock.network.ip},
        {QStringLiteral("group"), group ? group->name() : QString()},
        {QStringLiteral("severity"), severityName(clock.ntpSeverity())},
        {QStringLiteral("ntp"), clock.status.NtpSynchronization},
        // The device list's own words for the state.
        {QStringLiteral("state"), clock.statusText(texts)},
        {QStringLiteral("muted"), quiet.isActive(now)},
        {QStringLiteral("mutedUntil"), quiet.isActive(now) ? utcText(quiet.until) : QJsonValue()},
        // The weekly windows that apply, the clock's own before its group's.
        {QStringLiteral("quietHours"),
         !clock.quietHours.isEmpty() ? clock.quietHours.toText() : group ? group->quietHours.toText() : QString()},
        {QStringLiteral("statusTime"), utcText(clock.status.lastStatusUpdate)},
        {QStringLiteral("temperature"),
         known && clock.status.hasTemperature() ? QJsonValue(Decimal::ofFloat(clock.status.temperature))
                                                : QJsonValue()},
        {QStringLiteral("temperatureUnit"), clock.status.temperatureUnit},
        {QStringLiteral("brightness"),
         known && clock.status.hasBrightness() ? QJsonValue(clock.status.brightness) : QJsonValue()},
    };
    return row;
}

QJsonObject summary(const QList<DevClock *> &clocks, const TextCatalogue &texts)
{
    const FleetSummary counts = FleetSummary::of(clocks);
    return {{QStringLiteral("total"), counts.total},
            {QStringLiteral("ok"), counts.synchronized},
            {QStringLiteral("warning"), counts.warning},
            {QStringLiteral("critical"), counts.critical},
            {QStringLiteral("unknown"), counts.unknown},
            {QStringLiteral("text"), counts.text(texts)}};
}

QJsonArray events(const QList<ClockEvent> &events, const TextCatalogue &texts)
{
    QJsonArray list;
    for (auto it = events.crbegin(); it != events.crend(); ++it) {
        ClockEvent shown = *it;
        if (shown.kind == ClockEvent::Kind::MailFailed)
            shown.detail.clear();
        list.append(QJsonObject{{QStringLiteral("time"), utcText(shown.time)},
                                {QStringLiteral("kind"), ClockEvent::kindName(shown.kind)},
                                {QStringLiteral("text"), ClockEventText::describe(shown, texts)}});
    }
    return list;
}

} // namespace BoardJson
