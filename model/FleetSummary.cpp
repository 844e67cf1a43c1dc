#include "model/FleetSummary.h"

#include "model/DevClock.h"

namespace {
enum Severity { Good = 0, Warning = 1, Critical = 2 };
}

FleetSummary FleetSummary::of(const QList<DevClock *> &clocks)
{
    FleetSummary s;
    for (const DevClock *clock : clocks) {
        ++s.total;
        switch (clock->ntpSeverity()) {
        case Good:
            ++s.synchronized;
            break;
        case Warning:
            ++s.warning;
            break;
        case Critical:
            ++s.critical;
            break;
        default:
            ++s.unknown;
            break;
        }
    }
    return s;
}

QString FleetSummary::text(const TextCatalogue &texts) const
{
    // No plural forms: the line reads right for any count without a catalogue.
    QString counts = texts.translate("FleetSummary", "%1 synchronized, %2 warning, %3 critical")
                         .arg(synchronized)
                         .arg(warning)
                         .arg(critical);
    if (unknown > 0)
        counts += QStringLiteral(", ") + texts.translate("FleetSummary", "%1 without status").arg(unknown);
    QString text = texts.translate("FleetSummary", "Clocks: %1 (%2)").arg(total).arg(counts);
    if (auditCritical > 0)
        text += QLatin1Char('\n')
            + texts.translate("FleetSummary", "%1 with critical audit findings").arg(auditCritical);
    return text;
}
