#include "operations/change/ChangePlan.h"

#include "model/ChoiceLists.h"
#include "model/ConfigCodes.h"
#include "model/ParameterText.h"
#include "operations/audit/AuditedClock.h"
#include "operations/audit/ConfigDrift.h"
#include "operations/audit/FleetAudit.h"
#include "operations/change/ConfigFieldAccess.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QTimeZone>

#include <algorithm>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ChangePlan", text);
}

const ConfigPart allParts[] = {ConfigPart::Time, ConfigPart::Display, ConfigPart::Alarms};

const QString keyKind = QStringLiteral("kind");
const QString keyValues = QStringLiteral("values");
const QString keyField = QStringLiteral("field");
const QString keyValue = QStringLiteral("value");
const QString kindSet = QStringLiteral("set");
const QString kindAlign = QStringLiteral("align");
const QString keySiteZone = QStringLiteral("siteZone");

// The encoders take the whole record.
std::unique_ptr<ClockConfig> asRecord(const ClockConfigFields &fields)
{
    auto record = std::make_unique<ClockConfig>();
    static_cast<ClockConfigFields &>(*record) = fields;
    return record;
}

bool leavesTheZone(const ClockConfigFields &config, const AuditChecks::Site &site)
{
    AuditedClock clock;
    clock.downloaded = true;
    clock.config = config;
    const QVector<AuditFinding> findings = AuditChecks::check(clock, site);
    return std::any_of(findings.cbegin(), findings.cend(),
                       [](const AuditFinding &f) { return f.kind == AuditFinding::Kind::DaylightSaving; });
}

// The nearest settings the audit accepts: the clock's own zone with each
// preset rule (or none), then every other zone. False when none fits (a
// zone whose rule no preset has).
bool alignDaylight(ClockConfigFields &config, const AuditChecks::Site &site)
{
    if (!leavesTheZone(config, site))
        return true;
    QVector<int> zones{config.TimeZone};
    for (int zone = 0; zone < ChoiceLists::count(ChoiceLists::TimeZone); ++zone) {
        if (zone != config.TimeZone)
            zones.append(zone);
    }
    for (int zone : qAsConst(zones)) {
        for (int preset = -1; preset < ChoiceLists::localizationOther; ++preset) {
            ClockConfigFields candidate = config;
            candidate.TimeZoneActive = true;
            candidate.TimeZone = zone;
            candidate.DaylightSaving = preset >= 0;
            if (preset >= 0)
                candidate.Localization = preset;
            if (!leavesTheZone(candidate, site)) {
                config = candidate;
                return true;
            }
        }
    }
    return false;
}

} // namespace

void ChangeRecipe::prepareSite(const QDateTime &now)
{
    if (kind != Kind::Align || siteZone.isEmpty())
        return;
    const QTimeZone zone(siteZone.toUtf8());
    const QDateTime from = now.toUTC();
    const QDateTime to = from.addMonths(FleetAudit::DefaultHorizonMonths);
    m_site = std::make_shared<const AuditChecks::Site>(AuditChecks::Site{siteZone, OffsetTimeline::ofZone(zone, from, to)});
}

bool ChangeRecipe::apply(const ClockConfigFields &base, const ClockConfigFields *groupConfig,
                         ClockConfigFields &result, QString *why) const
{
    result = base;
    if (kind == Kind::Set) {
        for (const auto &value : values) {
            if (!ConfigFieldAccess::set(result, value.first, value.second, why))
                return false;
        }
        return true;
    }
    if (!groupConfig && !m_site) {
        if (why)
            *why = tr("its group has no configuration");
        return false;
    }
    // The fields the audit reports, so that after the change it reports none.
    if (groupConfig) {
        for (const ConfigDrift::Difference &difference : ConfigDrift::differences(*groupConfig, base)) {
            for (const QString &field : ConfigFieldAccess::expand(difference.field)) {
                if (!ConfigFieldAccess::set(result, field, ConfigFieldAccess::text(*groupConfig, field), why))
                    return false;
            }
        }
    }
    if (m_site && !alignDaylight(result, *m_site)) {
        if (why)
            *why = tr("no daylight-saving setting of the clock follows the zone %1").arg(siteZone);
        return false;
    }
    return true;
}

QJsonObject ChangeRecipe::toJson() const
{
    QJsonArray list;
    for (const auto &value : values)
        list.append(QJsonObject{{keyField, value.first}, {keyValue, value.second}});
    return {{keyKind, kind == Kind::Align ? kindAlign : kindSet}, {keyValues, list}, {keySiteZone, siteZone}};
}

bool ChangeRecipe::fromJson(const QJsonObject &object, ChangeRecipe &recipe)
{
    ChangeRecipe read;
    const QString kind = object.value(keyKind).toString();
    if (kind != kindSet && kind != kindAlign)
        return false;
    read.kind = kind == kindAlign ? Kind::Align : Kind::Set;
    read.siteZone = object.value(keySiteZone).toString();
    if (!read.siteZone.isEmpty() && !QTimeZone(read.siteZone.toUtf8()).isValid())
        return false;
    ClockConfigFields probe;
    for (const QJsonValue &entry : object.value(keyValues).toArray()) {
        const QString field = ConfigFieldAccess::canonicalName(entry.toObject().value(keyField).toString());
        const QString value = entry.toObject().value(keyValue).toString();
        if (field.isEmpty() || !ConfigFieldAccess::set(probe, field, value, nullptr))
            return false;
        read.values.append({field, value});
    }
    if (read.kind == Kind::Set && read.values.isEmpty())
        return false;
    recipe = read;
    return true;
}

bool ClockChange::isDone() const
{
    switch (state) {
    case State::Skipped:
    case State::Unreadable:
    case State::Refused:
    case State::Verified:
    case State::Failed:
        return true;
    case State::Pending:
    case State::Planned:
    case State::Sending:
    case State::Stopped:
        break;
    }
    return false;
}

namespace {

const QVector<QPair<ClockChange::State, QString>> &stateKeys()
{
    using S = ClockChange::State;
    static const QVector<QPair<S, QString>> keys = {
        {S::Pending, QStringLiteral("pending")},     {S::Planned, QStringLiteral("planned")},
        {S::Skipped, QStringLiteral("skipped")},     {S::Unreadable, QStringLiteral("unreadable")},
        {S::Refused, QStringLiteral("refused")},     {S::Sending, QStringLiteral("sending")},
        {S::Verified, QStringLiteral("verified")},   {S::Failed, QStringLiteral("failed")},
        {S::Stopped, QStringLiteral("stopped")},
    };
    return keys;
}

} // namespace

QString ClockChange::stateKey(State state)
{
    for (const auto &key : stateKeys()) {
        if (key.first == state)
            return key.second;
    }
    return {};
}

std::optional<ClockChange::State> ClockChange::stateOfKey(const QString &key)
{
    for (const auto &entry : stateKeys()) {
        if (entry.second == key)
            return entry.first;
    }
    return std::nullopt;
}

namespace ChangePlan {

QByteArray partBytes(const ClockConfigFields &config, ConfigPart part)
{
    const auto record = asRecord(config);
    switch (part) {
    case ConfigPart::Time:
        return encodeTimeConfig(*record);
    case ConfigPart::Display:
        return encodeDisplayConfig(*record);
    case ConfigPart::Alarms:
        return encodeAlarmConfig(*record);
    case ConfigPart::None:
        break;
    }
    return {};
}

void plan(ClockChange &clock, const ClockConfigFields &downloaded, const ChangeRecipe &recipe)
{
    clock.base = downloaded;
    clock.changes.clear();
    clock.parts.clear();
    clock.error.clear();
    QString why;
    const ClockConfigFields *group = clock.groupConfig ? &*clock.groupConfig : nullptr;
    if (!recipe.apply(downloaded, group, clock.result, &why)) {
        clock.state = ClockChange::State::Refused;
        clock.error = why;
        return;
    }
    const QString unsafe = ParameterText::firstUnsafeField(*asRecord(clock.result));
    if (!unsafe.isEmpty()) {
        clock.state = ClockChange::State::Refused;
        clock.error = ParameterText::refusalText(unsafe);
        return;
    }
    for (ConfigPart part : allParts) {
        if (partBytes(downloaded, part) != partBytes(clock.result, part))
            clock.parts.append(part);
    }
    // A field that differs only in the record (the master address while not
    // synchronising) goes nowhere, so it is no change.
    for (const QString &field : ConfigFieldAccess::names()) {
        if (clock.parts.contains(ConfigFieldAccess::partOf(field))
            && ConfigFieldAccess::differs(downloaded, clock.result, field))
            clock.changes.append({field, ConfigFieldAccess::text(downloaded, field),
                                  ConfigFieldAccess::text(clock.result, field)});
    }
    clock.state = clock.parts.isEmpty() ? ClockChange::State::Skipped : ClockChange::State::Planned;
}

} // namespace ChangePlan
