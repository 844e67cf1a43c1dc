#pragma once

#include "model/ClockConfig.h"

#include <QString>
#include <QStringList>

// One configuration field by its name in the configuration file and the
// audit ("Server1", "Brightness"); an alarm slot's fields as "Alarm2.Time"
// (slots 0..29, as the audit counts them). Values travel as text: what set()
// takes is what text() gives, so a value read from one clock or a file can be
// written down and applied to another.
namespace ConfigFieldAccess {

// Every field: the time fields, the display fields, then each alarm slot's.
const QStringList &names();
// The name as names() spells it ("alarm 2.time" and "Alarm2.Time" alike);
// empty when there is no such field.
QString canonicalName(const QString &name);
// The fields a name of --only stands for: the field itself, or for "Alarm2"
// (the audit's "Alarm 2") every field of that slot; empty when none.
QStringList expand(const QString &name);
// The part the field travels in; None for an unknown name.
ConfigPart partOf(const QString &name);

// On/off as "on"/"off", choices by index, times "hh:mm" ("" when unset), the
// temperature offset with one decimal, texts as they are.
QString text(const ClockConfigFields &config, const QString &name);
// Sets the field from such a text; a choice may also be given by its text
// ("Auto", "12h") where it is not an index. False, with the reason, when the name or the value is not one
// the field can hold or a clock can be sent.
bool set(ClockConfigFields &config, const QString &name, const QString &value, QString *why);

// The field as a clock would take it differs: compared as text(), so times
// count to the minute and the offset to one decimal.
bool differs(const ClockConfigFields &a, const ClockConfigFields &b, const QString &name);

} // namespace ConfigFieldAccess
