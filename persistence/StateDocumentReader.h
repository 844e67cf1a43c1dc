#pragma once

#include "persistence/StateLists.h"

#include <QByteArray>
#include <QString>

struct NotificationSettings;

// The state file read as a DOM document: the reader every file that ever
// loaded was read with. Slower than StateStreamReader, and kept for the
// documents that reader refuses.
namespace StateDocumentReader {

// As StateFile::parse.
bool parse(const QByteArray &data, StateFile::Lists &lists, NotificationSettings &settings);
bool parse(const QByteArray &data, StateFile::Lists &lists, NotificationSettings &settings, QString *why);

} // namespace StateDocumentReader
