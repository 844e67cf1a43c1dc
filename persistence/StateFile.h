#pragma once

#include "persistence/StateLists.h"

#include <QByteArray>
#include <QList>
#include <QString>

class ClockRegistry;
class DevClock;
class DevGroup;
struct NotificationSettings;

// The state file "settings.xml": the device list with each clock's last
// status and configuration, the groups and the e-mail notification settings.
// GUI thread only.
namespace StateFile {

QByteArray serialize(const QList<DevClock *> &clocks, const QList<DevGroup *> &groups,
                     const NotificationSettings &settings);

// Appends the clocks and groups to lists and, only when the file has a
// "NotifSet" element, reads the notification settings into settings
// (otherwise settings stays as it is). False, with lists and settings
// untouched, when the data does not parse or holds no element. Read with
// StateStreamReader's scanner, its QXmlStreamReader when the scanner
// refuses, and StateDocumentReader when that one refuses too. Every reader
// refuses a document beyond XmlFile's limits (size, nesting, attribute
// length); why, when given, says what the last one found.
bool parse(const QByteArray &data, Lists &lists, NotificationSettings &settings);
bool parse(const QByteArray &data, Lists &lists, NotificationSettings &settings, QString *why);

// Written through a temporary file renamed over the target, readable by its
// owner only: the file holds the clocks' passwords in clear. On failure why,
// when given, holds the operating system's reason.
bool save(const QString &path, const QList<DevClock *> &clocks, const QList<DevGroup *> &groups,
          const NotificationSettings &settings, QString *why = nullptr);

} // namespace StateFile

// The device list and the notification settings to and from
// AppSettings::stateFilePath(). Saving writes the whole file; on failure
// "Error: Cannot write file" goes to the debug log, the previous file stays
// and false is returned, with the reason in why when given. Loading appends to the registry (it runs once, on an
// empty registry) and returns false, changing nothing, when the file is
// missing, unreadable or ill-formed; an ill-formed or oversized file is
// renamed to "settings.xml.unreadable-<date>-<time>" first, so the next save
// cannot destroy what it holds. why, when given, says what was wrong.
bool saveDeviceList(const ClockRegistry &registry, const NotificationSettings &settings, QString *why = nullptr);
bool loadDeviceList(ClockRegistry &registry, NotificationSettings &settings, QString *why = nullptr);
