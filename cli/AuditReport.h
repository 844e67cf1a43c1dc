#pragma once

#include "operations/audit/AuditSummary.h"

#include <QJsonObject>
#include <QString>

class FleetAudit;

// How zentick-cli shows the result of a fleet audit: a table of findings
// grouped by clock and a summary line for people, or one JSON document with
// stable keys for scripts. The monitor mails the same text.
namespace AuditReport {

using Summary = AuditSummary;

Summary summary(const FleetAudit &audit);
// "3 clocks audited: 1 with critical findings, 1 with warnings, 1 without findings."
QString summaryLine(const Summary &summary);
// The table (when anything was found) and the summary line.
QString text(const FleetAudit &audit);

// Every audited clock with its findings, the site zone, the span and the
// summary. groupName is empty for the whole list.
QJsonObject json(const FleetAudit &audit, const QString &groupName);
// Only what the findings say, in a fixed order: equal exactly when two audits
// found the same things.
QJsonObject findingsJson(const FleetAudit &audit);

} // namespace AuditReport
