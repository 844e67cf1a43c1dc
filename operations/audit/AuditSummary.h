#pragma once

#include <QString>

class FleetAudit;

// How many audited clocks came out critical, with warnings or clean, each
// counted once by its worst finding: the one line the command line, the
// monitor's mail and the window all end with.
struct AuditSummary
{
    int audited = 0;
    int critical = 0; // clocks whose worst finding is critical
    int warning = 0;  // clocks whose worst finding is a warning
    int clean = 0;

    static AuditSummary of(const FleetAudit &audit);
    // "3 clocks audited: 1 with critical findings, 1 with warnings, 1 without findings."
    QString text() const;
};
