#pragma once

#include "operations/audit/AuditFinding.h"
#include "operations/audit/OffsetTimeline.h"

#include <QHash>
#include <QStringList>
#include <QVector>

struct AuditedClock;

// The findings for one audited clock. Pure: no network, no registry, so every
// rule can be tried on a record.
namespace AuditChecks {

// The lowest firmware the site accepts, by model code, in hundredths as
// DevClock keeps it (110 is 1.10).
using FirmwareMinimums = QHash<QString, int>;

// What the site expects of its clocks: its real zone over the audited span,
// and the lowest firmware per model (none: any firmware will do).
struct Site
{
    QString zoneId;
    OffsetTimeline timeline;
    FirmwareMinimums minimumFirmware = {};
};

QVector<AuditFinding> check(const AuditedClock &clock, const Site &site);

// One "MODEL=VERSION" entry ("QM03=1.10": a known model code, a version of
// at most two decimals above 0) into minimums, replacing that model's; false,
// and minimums untouched, for anything else.
bool addMinimumFirmware(const QString &entry, FirmwareMinimums &minimums);
// The entries that parse; those that do not are appended to refused.
FirmwareMinimums minimumFirmwareOf(const QStringList &entries, QStringList *refused = nullptr);

// "1:00", "0:30": a difference of offsets for people.
QString offsetText(int minutes);

} // namespace AuditChecks
