#include "operations/audit/AuditSummary.h"

#include "operations/audit/FleetAudit.h"

#include <QCoreApplication>

#include <algorithm>

AuditSummary AuditSummary::of(const FleetAudit &audit)
{
    AuditSummary s;
    for (const QVector<int> &findings : audit.findingsByClock()) {
        int worst = 0;
        for (int finding : findings)
            worst = std::max(worst, int(audit.findings().at(finding).severity));
        ++s.audited;
        if (worst == int(AuditFinding::Severity::Critical))
            ++s.critical;
        else if (worst == int(AuditFinding::Severity::Warning))
            ++s.warning;
        else
            ++s.clean;
    }
    return s;
}

QString AuditSummary::text() const
{
    return QCoreApplication::translate("AuditReport",
                                       "%1 clocks audited: %2 with critical findings, %3 with warnings, %4 without "
                                       "findings.")
        .arg(audited)
        .arg(critical)
        .arg(warning)
        .arg(clean);
}
