#include "operations/change/ChangeRunState.h"

#include "operations/change/ConfigFieldAccess.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ChangeRunState", text);
}

constexpr int formatVersion = 1;
// Field and value texts are bounded by the fields themselves; this bounds
// what a damaged file can make us hold.
constexpr int maxTextLength = 4096;

const QString partKeys[] = {QString(), QStringLiteral("time"), QStringLiteral("display"), QStringLiteral("alarms")};

QString partKey(ConfigPart part)
{
    return partKeys[int(part)];
}

ConfigPart partOfKey(const QString &key)
{
    for (int i = 1; i < 4; ++i) {
        if (partKeys[i] == key)
            return ConfigPart(i);
    }
    return ConfigPart::None;
}

QString bounded(const QJsonValue &value)
{
    return value.toString().left(maxTextLength);
}

QJsonObject clockJson(const ClockChange &clock)
{
    QJsonArray changes;
    for (const FieldChange &change : clock.changes)
        changes.append(QJsonObject{{"field", change.field}, {"before", change.before}, {"after", change.after}});
    QJsonArray parts;
    for (ConfigPart part : clock.parts)
        parts.append(partKey(part));
    QJsonObject object{{"ip", clock.ip},           {"name", clock.name},   {"state", ClockChange::stateKey(clock.state)},
                       {"changes", changes},       {"parts", parts}};
    if (!clock.error.isEmpty())
        object.insert("error", clock.error);
    return object;
}

bool readClock(const QJsonObject &object, ClockChange &clock)
{
    const auto state = ClockChange::stateOfKey(object.value("state").toString());
    clock.ip = bounded(object.value("ip"));
    if (!state || clock.ip.isEmpty())
        return false;
    clock.state = *state;
    clock.name = bounded(object.value("name"));
    clock.error = bounded(object.value("error"));
    for (const QJsonValue &value : object.value("changes").toArray()) {
        const QJsonObject change = value.toObject();
        const QString field = ConfigFieldAccess::canonicalName(change.value("field").toString());
        if (field.isEmpty())
            return false;
        clock.changes.append({field, bounded(change.value("before")), bounded(change.value("after"))});
    }
    for (const QJsonValue &value : object.value("parts").toArray()) {
        const ConfigPart part = partOfKey(value.toString());
        if (part == ConfigPart::None)
            return false;
        clock.parts.append(part);
    }
    return true;
}

} // namespace

QJsonObject ChangeRunState::toJson() const
{
    QJsonArray list;
    for (const ClockChange &clock : clocks)
        list.append(clockJson(clock));
    return {{"version", formatVersion},
            {"id", id},
            {"created", created.toUTC().toString(Qt::ISODate)},
            {"recipe", recipe.toJson()},
            {"canary", canary},
            {"wave", wave},
            {"maxFailed", maxFailed},
            {"maxFailedPercent", maxFailedPercent},
            {"stopped", stopped},
            {"clocks", list}};
}

bool ChangeRunState::fromJson(const QJsonObject &object, ChangeRunState &state, QString *why)
{
    const auto refuse = [why](const QString &reason) {
        if (why)
            *why = reason;
        return false;
    };
    if (object.value("version").toInt() != formatVersion)
        return refuse(tr("not a change run of this version"));
    ChangeRunState read;
    read.id = object.value("id").toString();
    if (!isValidId(read.id))
        return refuse(tr("no valid run id"));
    read.created = QDateTime::fromString(object.value("created").toString(), Qt::ISODate);
    if (!ChangeRecipe::fromJson(object.value("recipe").toObject(), read.recipe))
        return refuse(tr("the change it makes is not readable"));
    read.canary = qMax(0, object.value("canary").toInt());
    read.wave = qMax(0, object.value("wave").toInt());
    read.maxFailed = qMax(-1, object.value("maxFailed").toInt(-1));
    read.maxFailedPercent = qBound(0, object.value("maxFailedPercent").toInt(defaultMaxFailedPercent), 100);
    read.stopped = object.value("stopped").toBool();
    const QJsonArray list = object.value("clocks").toArray();
    if (list.size() > maxClocks)
        return refuse(tr("more than %1 clocks").arg(maxClocks));
    for (const QJsonValue &value : list) {
        ClockChange clock;
        if (!readClock(value.toObject(), clock))
            return refuse(tr("clock %1 is not readable").arg(read.clocks.size() + 1));
        read.clocks.append(clock);
    }
    state = read;
    return true;
}

QString ChangeRunState::newId()
{
    constexpr int suffixDigits = 4;
    constexpr quint32 suffixRange = 0x10000;
    return QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-"))
           + QStringLiteral("%1").arg(QRandomGenerator::global()->bounded(suffixRange), suffixDigits, 16,
                                      QLatin1Char('0'));
}

bool ChangeRunState::isValidId(const QString &id)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9]{8}-[0-9]{6}-[0-9a-f]{4}$"));
    return pattern.match(id).hasMatch();
}
