#pragma once

#include "AddressPlan.h"

#include <QString>

// Address plans as files: read for commissioning, written as the device
// list's export (see AddressPlan for the format).
namespace PlanFile {

// The plan in the file; its error says why the file could not be read, or
// names the line and the fault of a plan that is refused.
AddressPlan::Parsed load(const QString &path);

// The rows (the device list, see AddressPlan::fromClocks) written as a plan,
// through a temporary file renamed over the target, so a failed write leaves
// the previous file as it was. A plan holding a password is readable by its
// owner only. False when it could not be written.
bool save(const QString &path, const QVector<PlanRow> &rows);

} // namespace PlanFile
