#include "persistence/ClockEvent.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

const char *const kindNames[] = {"unreachable", "reachable", "ntp",       "alertDue",       "mailed",
                                 "mailFailed",  "recovered", "recoveryMailed", "muted", "unmuted",
                                 "monitorStarted", "monitorStopped", "watched"};
constexpr int kindCount = int(sizeof(kindNames) / sizeof(kindNames[0]));
static_assert(kindCount == ClockEvent::kindCount, "every kind has a name");
const QString timeFormat = QStringLiteral("yyyy-MM-ddThh:mm:ss.zzzZ");

} // namespace

QByteArray ClockEvent::toJson() const
{
    QJsonObject object{{QStringLiteral("time"), time.toUTC().toString(timeFormat)},
                       {QStringLiteral("ip"), ip},
                       {QStringLiteral("name"), name},
                       {QStringLiteral("group"), group},
                       {QStringLiteral("kind"), kindName(kind)}};
    if (ntp >= 0)
        object.insert(QStringLiteral("ntp"), ntp);
    if (alert >= 0)
        object.insert(QStringLiteral("alert"), alert);
    if (clocks > 0)
        object.insert(QStringLiteral("clocks"), clocks);
    if (!detail.isEmpty())
        object.insert(QStringLiteral("detail"), detail);
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

bool ClockEvent::fromJson(const QByteArray &line, ClockEvent &event)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    const QJsonObject object = document.object();
    const QString kind = object.value(QStringLiteral("kind")).toString();
    int index = 0;
    while (index < kindCount && kind != QLatin1String(kindNames[index]))
        ++index;
    QDateTime time = QDateTime::fromString(object.value(QStringLiteral("time")).toString(), timeFormat);
    time.setTimeSpec(Qt::UTC);
    if (index == kindCount || !time.isValid())
        return false;
    event = ClockEvent();
    event.time = time;
    event.ip = object.value(QStringLiteral("ip")).toString();
    event.name = object.value(QStringLiteral("name")).toString();
    event.group = object.value(QStringLiteral("group")).toString();
    event.kind = Kind(index);
    event.ntp = object.value(QStringLiteral("ntp")).toInt(-1);
    event.alert = object.value(QStringLiteral("alert")).toInt(-1);
    event.clocks = object.value(QStringLiteral("clocks")).toInt(0);
    event.detail = object.value(QStringLiteral("detail")).toString();
    return true;
}

QString ClockEvent::kindName(Kind kind)
{
    const int index = int(kind);
    return index >= 0 && index < kindCount ? QLatin1String(kindNames[index]) : QString();
}
