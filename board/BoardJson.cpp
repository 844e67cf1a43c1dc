#include "board/BoardJson.h"

#include "session/ClockEventText.h"
#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "model/DevGroup.h"
#include "model/FleetSummary.h"
#include "model/QuietPeriod.h"
#include "values/Decimal.h"

#include <QJsonDocument>
#include <QLocale>

#include <algorithm>

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

void appendString(QByteArray &out, const QString &text)
{
    static const char hex[] = "0123456789abcdef";
    out += '"';
    const QByteArray utf8 = text.toUtf8();
    for (const char ch : utf8) {
        const auto byte = static_cast<unsigned char>(ch);
        switch (byte) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (byte < 0x20 || byte == '<' || byte == '>' || byte == '&') {
                out += "\\u00";
                out += hex[byte >> 4];
                out += hex[byte & 0xf];
            } else {
                out += ch;
            }
        }
    }
    out += '"';
}

QByteArray compact(const QJsonObject &object)
{
    // <, > and & only ever stand inside strings here.
    return QJsonDocument(object)
        .toJson(QJsonDocument::Compact)
        .replace('<', "\\u003c")
        .replace('>', "\\u003e")
        .replace('&', "\\u0026");
}

QByteArray utcValue(const QDateTime &time)
{
    if (!time.isValid())
        return QByteArrayLiteral("null");
    QByteArray out;
    appendString(out, time.toUTC().toString(Qt::ISODateWithMs));
    return out;
}

void clockParts(const DevClock &clock, const ClockRegistry &registry, const QDateTime &now, QByteArray *head,
                QByteArray *tail)
{
    const DevGroup *group = registry.groupAt(clock.groupId);
    const QuietPeriod quiet = registry.quietPeriodOf(clock, now);
    const bool muted = quiet.isActive(now);
    const bool known = clock.status.lastStatusUpdate.isValid();
    // The keys in the order QJsonDocument wrote them, for readers that
    // compared documents as text.
    QByteArray &h = *head;
    h.clear();
    h += "{\"brightness\":";
    h += known && clock.status.hasBrightness() ? QByteArray::number(clock.status.brightness) : "null";
    h += ",\"group\":";
    appendString(h, group ? group->name() : QString());
    h += ",\"id\":\"" + QByteArray::number(clock.id) + "\",\"ip\":";
    appendString(h, clock.network.ip);
    h += muted ? ",\"muted\":true,\"mutedUntil\":" : ",\"muted\":false,\"mutedUntil\":";
    h += muted ? utcValue(quiet.until) : QByteArrayLiteral("null");
    h += ",\"name\":";
    appendString(h, clock.name);
    h += ",\"ntp\":" + QByteArray::number(clock.status.NtpSynchronization) + ",\"quietHours\":";
    // The weekly windows that apply, the clock's own before its group's.
    appendString(h, !clock.quietHours.isEmpty() ? clock.quietHours.toText()
                    : group                     ? group->quietHours.toText()
                                                : QString());
    h += ",\"severity\":\"" + severityName(clock.ntpSeverity()).toLatin1() + "\",\"state\":";
    QByteArray &t = *tail;
    t = ",\"temperature\":";
    t += known && clock.status.hasTemperature()
        ? QByteArray::number(Decimal::ofFloat(clock.status.temperature), 'g', QLocale::FloatingPointShortest)
        : QByteArrayLiteral("null");
    t += ",\"temperatureUnit\":";
    appendString(t, clock.status.temperatureUnit);
    t += '}';
}

QString stateText(const DevClock &clock, const TextCatalogue &texts)
{
    QString text = clock.statusText(texts);
    // The update line is the last one, after a line feed of its own.
    if (!clock.status.lastStatusUpdate.isNull())
        text.truncate(std::max(0, text.lastIndexOf(QLatin1Char('\n'))));
    return text;
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
