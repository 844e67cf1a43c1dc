#include "session/AuditFindingsStore.h"

#include "core/AppSettings.h"
#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "operations/audit/FleetAudit.h"
#include "persistence/XmlFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

const QString fileName = QStringLiteral("audit-findings.json");
const QString auditedKey = QStringLiteral("audited");
const QString clocksKey = QStringLiteral("clocks");
const QString ipKey = QStringLiteral("ip");
const QString macKey = QStringLiteral("mac");
const QString findingsKey = QStringLiteral("findings");
const QString severityKey = QStringLiteral("severity");
const QString kindKey = QStringLiteral("kind");
const QString textKey = QStringLiteral("text");
// Findings of a few thousand clocks; anything far larger is not ours.
constexpr qint64 maxFileSize = 16 * 1024 * 1024;
constexpr int warning = int(AuditFinding::Severity::Warning);
constexpr int critical = int(AuditFinding::Severity::Critical);

} // namespace

QString AuditFindingsStore::defaultPath()
{
    return AppSettings::dataFolderPath() + QLatin1Char('/') + fileName;
}

AuditFindingsStore AuditFindingsStore::load(const QString &path)
{
    QFile file(path);
    if (file.size() > maxFileSize || !file.open(QIODevice::ReadOnly))
        return AuditFindingsStore();
    return fromJson(file.readAll());
}

AuditFindingsStore AuditFindingsStore::fromJson(const QByteArray &data)
{
    AuditFindingsStore store;
    const QJsonObject root = QJsonDocument::fromJson(data).object();
    store.m_auditedAt = QDateTime::fromString(root.value(auditedKey).toString(), Qt::ISODate);
    for (const QJsonValue &clockValue : root.value(clocksKey).toArray()) {
        const QJsonObject object = clockValue.toObject();
        ClockFindings clock{object.value(ipKey).toString(), object.value(macKey).toString(), {}};
        for (const QJsonValue &findingValue : object.value(findingsKey).toArray()) {
            const QJsonObject f = findingValue.toObject();
            const int severity = f.value(severityKey).toString() == AuditFinding::severityKey(AuditFinding::Severity::Critical)
                ? critical
                : warning;
            clock.findings.append({severity, f.value(kindKey).toString(), f.value(textKey).toString()});
        }
        if (!clock.ip.isEmpty() && !clock.findings.isEmpty())
            store.m_clocks.append(clock);
    }
    return store;
}

AuditFindingsStore AuditFindingsStore::of(const FleetAudit &audit, const ClockRegistry &registry)
{
    AuditFindingsStore store;
    store.m_auditedAt = QDateTime::currentDateTimeUtc();
    const QVector<QVector<int>> byClock = audit.findingsByClock();
    for (int slot = 0; slot < audit.clocks().size(); ++slot) {
        const AuditListing &audited = audit.clocks().at(slot);
        const DevClock *listed = registry.clockById(audited.id);
        ClockFindings clock{audited.ip, listed ? listed->mac : QString(), {}};
        for (int index : byClock.at(slot)) {
            const AuditFinding &finding = audit.findings().at(index);
            clock.findings.append({int(finding.severity), AuditFinding::kindKey(finding.kind), finding.reason});
        }
        if (!clock.findings.isEmpty())
            store.m_clocks.append(clock);
    }
    return store;
}

bool AuditFindingsStore::save(const QString &path) const
{
    return XmlFile::write(path, toJson(), XmlFile::Access::OwnerOnly);
}

QByteArray AuditFindingsStore::toJson() const
{
    QJsonArray clocks;
    for (const ClockFindings &clock : m_clocks) {
        QJsonArray findings;
        for (const Finding &f : clock.findings) {
            findings.append(QJsonObject{
                {severityKey, AuditFinding::severityKey(AuditFinding::Severity(f.severity))},
                {kindKey, f.kind},
                {textKey, f.text}});
        }
        clocks.append(QJsonObject{{ipKey, clock.ip}, {macKey, clock.mac}, {findingsKey, findings}});
    }
    const QJsonObject root{{auditedKey, m_auditedAt.toUTC().toString(Qt::ISODate)}, {clocksKey, clocks}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact) + '\n';
}

QVector<AuditFindingsStore::Finding> AuditFindingsStore::findingsOf(const DevClock &clock) const
{
    // A MAC on both sides decides; otherwise the address.
    const QString &ip = clock.network.ip;
    const ClockFindings *byIp = nullptr;
    for (const ClockFindings &stored : m_clocks) {
        if (!clock.mac.isEmpty() && !stored.mac.isEmpty()) {
            if (stored.mac.compare(clock.mac, Qt::CaseInsensitive) == 0)
                return stored.findings;
        } else if (!byIp && stored.ip == ip) {
            byIp = &stored;
        }
    }
    return byIp ? byIp->findings : QVector<Finding>();
}

int AuditFindingsStore::worstSeverity(const DevClock &clock) const
{
    int worst = 0;
    for (const Finding &f : findingsOf(clock))
        worst = std::max(worst, f.severity);
    return worst;
}

QString AuditFindingsStore::severityText(int severity)
{
    return AuditFinding::severityText(severity >= critical ? AuditFinding::Severity::Critical
                                                           : AuditFinding::Severity::Warning);
}

QString AuditFindingsStore::text(const DevClock &clock, const QString &separator) const
{
    QStringList lines;
    for (const Finding &f : findingsOf(clock))
        lines << severityText(f.severity) + QStringLiteral(": ") + f.text;
    return lines.join(separator);
}

int AuditFindingsStore::criticalCount(const QList<DevClock *> &clocks) const
{
    return int(std::count_if(clocks.cbegin(), clocks.cend(),
                             [this](const DevClock *clock) { return worstSeverity(*clock) >= critical; }));
}
