#pragma once

#include "model/AddressPlan.h"

#include <QString>

// Address plans as files: read for commissioning, written as the device
// list's export (see AddressPlan for the format).
namespace PlanFile {

// The plan in the file; its error says why the file could not be read, or
// names the line and the fault of a plan that is refused.
AddressPlan::Parsed load(const QString &path);

// The bytes written as a plan file: to a new temporary file beside the target
// (readable by its owner only, whatever the umask: a plan may hold passwords)
// renamed over the target, so a failed write leaves the previous file as it
// was. A target that is a symbolic link is refused: the export never writes
// through one. False with the reason in why when it could not be written.
bool saveData(const QString &path, const QByteArray &data, QString *why = nullptr);

// The rows (the device list, see AddressPlan::fromClocks) written as a plan,
// as saveData writes it.
bool save(const QString &path, const QVector<PlanRow> &rows, QString *why = nullptr);

} // namespace PlanFile
