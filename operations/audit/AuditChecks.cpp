#include "operations/audit/AuditChecks.h"

#include "operations/audit/AuditedClock.h"
#include "model/ChoiceLists.h"
#include "operations/audit/ConfigDrift.h"
#include "model/DevClock.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cstdlib>

namespace AuditChecks {

namespace {

constexpr int modeNone = 0;
constexpr int modeNtp = 2;
constexpr int minutesPerHour = 60;
constexpr int secondsPerMinute = 60;
constexpr int hundredthsPerVersion = 100;
constexpr int tenthsToHundredths = 10;
const QString siteTimeFormat = QStringLiteral("yyyy-MM-dd hh:mm");

QString tr(const char *text)
{
    return QCoreApplication::translate("AuditChecks", text);
}

using Severity = AuditFinding::Severity;
using Kind = AuditFinding::Kind;

AuditFinding finding(const AuditedClock &clock, Severity severity, Kind kind, const QString &reason)
{
    AuditFinding f;
    f.clockId = clock.id;
    f.clockIndex = clock.index;
    f.clockName = clock.name;
    f.clockIp = clock.ip;
    f.severity = severity;
    f.kind = kind;
    f.reason = reason;
    return f;
}

bool hasServer(const ClockConfigFields &config)
{
    for (const QString *server : {&config.Server1, &config.Server2, &config.Server3, &config.Server4, &config.Server5}) {
        if (!server->trimmed().isEmpty())
            return true;
    }
    return false;
}

void checkTimeSource(const AuditedClock &clock, QVector<AuditFinding> &found)
{
    const ClockConfigFields &config = clock.config;
    if (config.Mode == modeNone) {
        found.append(finding(clock, Severity::Critical, Kind::TimeSource,
                             tr("Synchronization is \"None\": the clock keeps time by itself")));
        return;
    }
    if (config.Mode != modeNtp)
        return;
    if (!hasServer(config)) {
        found.append(finding(clock, Severity::Critical, Kind::TimeSource, tr("NTP without any server")));
        return;
    }
    if (!clock.statusAsked)
        return;
    if (clock.statusError != NoError) {
        AuditFinding f = finding(clock, Severity::Warning, Kind::TimeSource,
                                 tr("No fresh status: %1").arg(ErrorText::kindText(clock.statusError)));
        f.error = clock.statusError;
        found.append(f);
        return;
    }
    if (clock.status.NtpSynchronization != NtpSynchronized) {
        DevClock shown;
        shown.status = clock.status;
        shown.status.lastStatusUpdate = QDateTime();
        const QString state = shown.statusText().split(QLatin1Char('\n')).constFirst();
        found.append(finding(clock, Severity::Warning, Kind::TimeSource, tr("NTP not synchronized: %1").arg(state)));
    }
}

void checkDaylightSaving(const AuditedClock &clock, const Site &site, QVector<AuditFinding> &found)
{
    const std::optional<OffsetTimeline> own =
        OffsetTimeline::ofClock(clock.config, site.timeline.from(), site.timeline.to());
    if (!own) {
        found.append(finding(clock, Severity::Critical, Kind::DaylightSaving,
                             tr("Time zone or summer-time rule outside the lists of choices")));
        return;
    }
    const std::optional<OffsetTimeline::Disagreement> off = OffsetTimeline::firstDisagreement(*own, site.timeline);
    if (!off)
        return;

    const int difference = off->differenceMinutes();
    const QString amount = offsetText(std::abs(difference));
    const bool now = off->at == site.timeline.from();
    QString reason;
    if (now) {
        reason = difference > 0 ? tr("The clock runs %1 ahead of %2 now").arg(amount, site.zoneId)
                                : tr("The clock runs %1 behind %2 now").arg(amount, site.zoneId);
    } else {
        // Shown on the site's own clock, just after the change.
        const QString when =
            off->at.toOffsetFromUtc(off->siteOffsetMinutes * secondsPerMinute).toString(siteTimeFormat);
        reason = difference > 0 ? tr("From %1 (%2) the clock runs %3 ahead").arg(when, site.zoneId, amount)
                                : tr("From %1 (%2) the clock runs %3 behind").arg(when, site.zoneId, amount);
    }
    AuditFinding f = finding(clock, now ? Severity::Critical : Severity::Warning, Kind::DaylightSaving, reason);
    f.at = off->at;
    f.differenceMinutes = difference;
    found.append(f);
}

void checkDrift(const AuditedClock &clock, QVector<AuditFinding> &found)
{
    if (!clock.groupConfig)
        return;
    for (const ConfigDrift::Difference &d : ConfigDrift::differences(*clock.groupConfig, clock.config)) {
        AuditFinding f = finding(clock, Severity::Warning, Kind::Drift,
                                 tr("%1 is %2 in the clock, %3 in group %4")
                                     .arg(d.field, d.clockValue, d.groupValue, clock.groupName));
        f.field = d.field;
        f.groupValue = d.groupValue;
        f.clockValue = d.clockValue;
        found.append(f);
    }
}

// The firmware the list knows (read when the clock was found or refreshed),
// not downloaded again: a clock that cannot be reached still has it.
void checkFirmware(const AuditedClock &clock, const Site &site, QVector<AuditFinding> &found)
{
    const auto minimum = site.minimumFirmware.constFind(clock.model);
    // A firmware never read says nothing about the clock.
    if (clock.firmware <= 0 || minimum == site.minimumFirmware.constEnd() || clock.firmware >= minimum.value())
        return;
    AuditFinding f = finding(clock, Severity::Warning, Kind::Firmware,
                             tr("Firmware %1 is below the minimum %2 for %3")
                                 .arg(DevClock::firmwareText(clock.firmware), DevClock::firmwareText(minimum.value()),
                                      clock.model));
    f.model = clock.model;
    f.firmware = clock.firmware;
    f.minimumFirmware = minimum.value();
    found.append(f);
}

} // namespace

bool addMinimumFirmware(const QString &entry, FirmwareMinimums &minimums)
{
    // A version as the clocks write theirs: "1.5" is 1.50, as the clock's own reading is.
    static const QRegularExpression shape(QStringLiteral("^([A-Z0-9]+)=([0-9]{1,4})(?:\\.([0-9]{1,2}))?$"));
    const QRegularExpressionMatch match = shape.match(entry.trimmed());
    if (!match.hasMatch() || !DevClock::isKnownModelCode(match.captured(1)))
        return false;
    const QString fraction = match.captured(3);
    const int hundredths = fraction.isEmpty() ? 0
        : fraction.size() == 1                ? fraction.toInt() * tenthsToHundredths
                                              : fraction.toInt();
    const int firmware = match.captured(2).toInt() * hundredthsPerVersion + hundredths;
    if (firmware <= 0)
        return false;
    minimums.insert(match.captured(1), firmware);
    return true;
}

FirmwareMinimums minimumFirmwareOf(const QStringList &entries, QStringList *refused)
{
    FirmwareMinimums minimums;
    for (const QString &entry : entries) {
        if (!addMinimumFirmware(entry, minimums) && refused)
            refused->append(entry);
    }
    return minimums;
}

QString offsetText(int minutes)
{
    const QString sign = minutes < 0 ? QStringLiteral("-") : QString();
    const int magnitude = std::abs(minutes);
    return sign + QStringLiteral("%1:%2").arg(magnitude / minutesPerHour).arg(magnitude % minutesPerHour, 2, 10,
                                                                             QLatin1Char('0'));
}

QVector<AuditFinding> check(const AuditedClock &clock, const Site &site)
{
    QVector<AuditFinding> found;
    if (!clock.downloaded) {
        AuditFinding f = finding(clock, Severity::Critical, Kind::Unreachable,
                                 tr("Configuration not downloaded: %1").arg(ErrorText::kindText(clock.error)));
        f.error = clock.error;
        found.append(f);
    } else {
        checkTimeSource(clock, found);
        checkDaylightSaving(clock, site, found);
        checkDrift(clock, found);
    }
    checkFirmware(clock, site, found);
    return found;
}

} // namespace AuditChecks
