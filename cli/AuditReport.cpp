#include "cli/AuditReport.h"

#include "operations/audit/AuditFindingsModel.h"
#include "cli/ClockPrinter.h"
#include "operations/audit/FleetAudit.h"
#include "model/DevClock.h"

#include <QJsonArray>

namespace AuditReport {

namespace {

QJsonObject findingJson(const AuditFinding &finding)
{
    QJsonObject object{{QStringLiteral("severity"), AuditFinding::severityKey(finding.severity)},
                       {QStringLiteral("kind"), AuditFinding::kindKey(finding.kind)},
                       {QStringLiteral("reason"), finding.reason}};
    switch (finding.kind) {
    case AuditFinding::Kind::Unreachable:
    case AuditFinding::Kind::TimeSource:
        if (finding.error != NoError) {
            object.insert(QStringLiteral("error"), int(finding.error));
            object.insert(QStringLiteral("errorText"), ErrorText::kindText(finding.error));
        }
        break;
    case AuditFinding::Kind::Drift:
        object.insert(QStringLiteral("field"), finding.field);
        object.insert(QStringLiteral("groupValue"), finding.groupValue);
        object.insert(QStringLiteral("clockValue"), finding.clockValue);
        break;
    case AuditFinding::Kind::DaylightSaving:
        if (finding.at.isValid()) {
            object.insert(QStringLiteral("at"), finding.at.toUTC().toString(Qt::ISODate));
            object.insert(QStringLiteral("differenceMinutes"), finding.differenceMinutes);
        }
        break;
    case AuditFinding::Kind::Firmware:
        object.insert(QStringLiteral("model"), finding.model);
        object.insert(QStringLiteral("firmware"), DevClock::firmwareText(finding.firmware));
        object.insert(QStringLiteral("minimumFirmware"), DevClock::firmwareText(finding.minimumFirmware));
        break;
    }
    return object;
}

// The findings of each audited clock, in list order.
QJsonArray clocksJson(const FleetAudit &audit)
{
    QJsonArray clocks;
    const QVector<QVector<int>> byClock = audit.findingsByClock();
    for (int slot = 0; slot < audit.clocks().size(); ++slot) {
        const AuditListing &clock = audit.clocks().at(slot);
        QJsonArray findings;
        for (int finding : byClock.at(slot))
            findings.append(findingJson(audit.findings().at(finding)));
        QJsonObject object{{QStringLiteral("index"), clock.index},
                           {QStringLiteral("name"), clock.name},
                           {QStringLiteral("ip"), clock.ip},
                           {QStringLiteral("findings"), findings}};
        if (!clock.groupName.isEmpty())
            object.insert(QStringLiteral("group"), clock.groupName);
        clocks.append(object);
    }
    return clocks;
}

} // namespace

Summary summary(const FleetAudit &audit)
{
    return AuditSummary::of(audit);
}

QString summaryLine(const Summary &s)
{
    return s.text();
}

QString text(const FleetAudit &audit)
{
    QString result;
    if (!audit.findings().isEmpty()) {
        AuditFindingsModel model;
        QList<QStringList> rows;
        QStringList header;
        for (int column = 0; column < AuditFindingsModel::ColumnCount; ++column)
            header << model.headerData(column, Qt::Horizontal).toString();
        rows << header;
        const AuditFinding *previous = nullptr;
        for (const AuditFinding &f : audit.findings()) {
            // The clock's name and address only on its first line: grouped by clock.
            const bool sameClock = previous && previous->clockId == f.clockId && previous->clockIndex == f.clockIndex;
            rows << QStringList{sameClock ? QString() : f.clockName, sameClock ? QString() : f.clockIp,
                                AuditFinding::severityText(f.severity), AuditFinding::kindText(f.kind), f.reason};
            previous = &f;
        }
        result = ClockPrinter::formatTable(rows);
    }
    return result + summaryLine(summary(audit)) + QLatin1Char('\n');
}

QJsonObject findingsJson(const FleetAudit &audit)
{
    return {{QStringLiteral("siteZone"), QString::fromUtf8(audit.siteZone().id())},
            {QStringLiteral("clocks"), clocksJson(audit)}};
}

QJsonObject json(const FleetAudit &audit, const QString &groupName)
{
    const Summary s = summary(audit);
    QJsonObject object = findingsJson(audit);
    object.insert(QStringLiteral("from"), audit.referenceTime().toString(Qt::ISODate));
    object.insert(QStringLiteral("to"), audit.spanEnd().toString(Qt::ISODate));
    if (!groupName.isEmpty())
        object.insert(QStringLiteral("group"), groupName);
    object.insert(QStringLiteral("summary"), QJsonObject{{QStringLiteral("clocksAudited"), s.audited},
                                                         {QStringLiteral("clocksWithCritical"), s.critical},
                                                         {QStringLiteral("clocksWithWarnings"), s.warning},
                                                         {QStringLiteral("clocksWithoutFindings"), s.clean}});
    return object;
}

} // namespace AuditReport
