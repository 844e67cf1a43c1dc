#include "operations/audit/AuditFinding.h"

QString AuditFinding::severityKey(Severity severity)
{
    return severity == Severity::Critical ? QStringLiteral("critical") : QStringLiteral("warning");
}

QString AuditFinding::kindKey(Kind kind)
{
    switch (kind) {
    case Kind::Unreachable:
        return QStringLiteral("unreachable");
    case Kind::Drift:
        return QStringLiteral("drift");
    case Kind::TimeSource:
        return QStringLiteral("timeSource");
    case Kind::DaylightSaving:
        return QStringLiteral("daylightSaving");
    case Kind::Firmware:
        return QStringLiteral("firmware");
    }
    return QString();
}

QString AuditFinding::severityText(Severity severity)
{
    return severity == Severity::Critical ? tr("Critical") : tr("Warning");
}

QString AuditFinding::kindText(Kind kind)
{
    switch (kind) {
    case Kind::Unreachable:
        return tr("Not reachable");
    case Kind::Drift:
        return tr("Drift from the group");
    case Kind::TimeSource:
        return tr("Time source");
    case Kind::DaylightSaving:
        return tr("Daylight saving");
    case Kind::Firmware:
        return tr("Firmware");
    }
    return QString();
}
