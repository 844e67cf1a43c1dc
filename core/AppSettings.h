#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTimeZone>

// Small per-user settings kept in the settings store, and the location of the
// machine-wide data folder that holds the state file. All of it is used on the
// GUI thread only.

struct ReportSettings
{
    bool enabled = false;
    QString filepath;
    int fileType = 0;
    int interval = 0;
    int valueType = 0;
    QDateTime lastSaveTime;
};

namespace AppSettings {

inline constexpr char lastSaveTimeFormat[] = "yyyy-MM-dd hh:mm:ss";

// The directory (with a trailing "/") of the last file chosen in a file dialog.
QString lastPath();
// Called with the full path of a file a dialog has just opened or saved.
void setLastPath(const QString &filePath);
void loadLastPath();

ReportSettings &reportSettings();
void loadReportSettings();
// Stores everything but the last save time, which only a report run changes.
void saveReportSettings(bool enabled, const ReportSettings &settings);
void saveReportLastSaveTime(const QDateTime &time);

// How many exchanges with clocks may run at once ("Exchanges/parallel");
// fallback when the store has no positive number there.
int parallelExchanges(int fallback);
// The most polls in flight per poll lane ("Exchanges/pollCeiling"), however
// large the fleet; fallback when the store has no positive number there.
int pollCeiling(int fallback);

// Whether the monitor mails alerts ("Monitor/mail"); true when unset.
bool monitorMails();

// The zone the audit compares the clocks' daylight saving with
// ("Audit/siteZone", an IANA id): the site's, which the window asks for once
// and the monitor and zentick-cli read too, or the computer's own while none
// is stored or the stored one is unknown.
QTimeZone siteZone();
bool hasSiteZone();
void setSiteZone(const QTimeZone &zone);
// The lowest firmware per model the audit accepts ("Audit/minFirmware":
// entries MODEL=VERSION, "QM03=1.10, QM05=2.00"), unchecked.
QStringList minimumFirmware();

// Reads both start-up values: the last path and the report settings.
void loadRegistrySettings();

// The data folder; never ends in a separator. Reading it creates nothing:
// the writers of its files make it (PrivateFiles::makeFolder) when they write.
QString dataFolderPath();
QString stateFilePath();

} // namespace AppSettings

using AppSettings::dataFolderPath;
using AppSettings::lastPath;
