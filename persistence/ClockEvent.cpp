#include "persistence/ClockEvent.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const char *const kindNames[] = {"unreachable", "reachable", "ntp",       "alertDue",       "mailed",
                                 "mailFailed",  "recovered", "recoveryMailed", "muted", "unmuted",
                                 "monitorStarted", "monitorStopped", "watched", "changed"};
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
    // An operator's change is an object of its own, not a string to parse twice.
    const QJsonDocument change = kind == Kind::Changed ? QJsonDocument::fromJson(detail.toUtf8()) : QJsonDocument();
    if (change.isObject())
        object.insert(QStringLiteral("change"), change.object());
    else if (!detail.isEmpty())
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
    const QJsonValue change = object.value(QStringLiteral("change"));
    if (event.kind == Kind::Changed && change.isObject())
        event.detail = QString::fromUtf8(QJsonDocument(change.toObject()).toJson(QJsonDocument::Compact));
    return true;
}

QString ClockEvent::kindName(Kind kind)
{
    const int index = int(kind);
    return index >= 0 && index < kindCount ? QLatin1String(kindNames[index]) : QString();
}

namespace {

QString bounded(const QString &text)
{
    return text.left(OperatorChange::MaxText);
}

} // namespace

QByteArray OperatorChange::toJson() const
{
    QJsonArray list;
    for (const Field &entry : fields.mid(0, MaxFields)) {
        list.append(QJsonObject{{QStringLiteral("field"), bounded(entry.field)},
                                {QStringLiteral("before"), bounded(entry.before)},
                                {QStringLiteral("after"), bounded(entry.after)}});
    }
    QJsonObject object{{QStringLiteral("user"), bounded(user)},
                       {QStringLiteral("host"), bounded(host)},
                       {QStringLiteral("operation"), bounded(operation)},
                       {QStringLiteral("fields"), list},
                       {QStringLiteral("outcome"), done ? QStringLiteral("done") : QStringLiteral("failed")}};
    if (!run.isEmpty())
        object.insert(QStringLiteral("run"), bounded(run));
    if (!reason.isEmpty())
        object.insert(QStringLiteral("reason"), bounded(reason));
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

bool OperatorChange::fromJson(const QByteArray &json, OperatorChange &change)
{
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (!document.isObject())
        return false;
    const QJsonObject object = document.object();
    change = OperatorChange();
    change.user = bounded(object.value(QStringLiteral("user")).toString());
    change.host = bounded(object.value(QStringLiteral("host")).toString());
    change.operation = bounded(object.value(QStringLiteral("operation")).toString());
    change.run = bounded(object.value(QStringLiteral("run")).toString());
    change.done = object.value(QStringLiteral("outcome")).toString() == QLatin1String("done");
    change.reason = bounded(object.value(QStringLiteral("reason")).toString());
    const QJsonArray list = object.value(QStringLiteral("fields")).toArray();
    for (int i = 0; i < list.size() && i < MaxFields; ++i) {
        const QJsonObject entry = list.at(i).toObject();
        change.fields.append({bounded(entry.value(QStringLiteral("field")).toString()),
                              bounded(entry.value(QStringLiteral("before")).toString()),
                              bounded(entry.value(QStringLiteral("after")).toString())});
    }
    return true;
}
