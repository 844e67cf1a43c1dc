#include "core/AppSettings.h"

#include "core/AppIdentity.h"
#include "platform/SettingsStore.h"

#include <QDir>

namespace AppSettings {

namespace {

const QString keyLastPath = QStringLiteral("Common/LastPath");
const QString keyReportEnabled = QStringLiteral("Report/enabled");
const QString keyReportFilepath = QStringLiteral("Report/filepath");
const QString keyReportFileType = QStringLiteral("Report/fileType");
const QString keyReportValueType = QStringLiteral("Report/valueType");
const QString keyReportInterval = QStringLiteral("Report/interval");
const QString keyReportLastSaveTime = QStringLiteral("Report/lastSaveTime");
const QString keyParallelExchanges = QStringLiteral("Exchanges/parallel");
const QString keyMonitorMail = QStringLiteral("Monitor/mail");
const QString keyPollCeiling = QStringLiteral("Exchanges/pollCeiling");
const QString keySiteZone = QStringLiteral("Audit/siteZone");
const QString keyMinimumFirmware = QStringLiteral("Audit/minFirmware");

QString g_lastPath;
ReportSettings g_reportSettings;

} // namespace

QString lastPath()
{
    return g_lastPath;
}

void setLastPath(const QString &filePath)
{
    const int slash = filePath.lastIndexOf(QLatin1Char('/'));
    if (slash <= 0)
        return;
    g_lastPath = filePath.left(slash + 1);
    SettingsStore::open()->setValue(keyLastPath, g_lastPath);
}

int parallelExchanges(int fallback)
{
    bool ok = false;
    const int stored = SettingsStore::open()->value(keyParallelExchanges).toInt(&ok);
    return ok && stored > 0 ? stored : fallback;
}

bool monitorMails()
{
    return SettingsStore::open()->value(keyMonitorMail, true).toBool();
}

bool hasSiteZone()
{
    const QByteArray id = SettingsStore::open()->value(keySiteZone).toString().toUtf8();
    return !id.isEmpty() && QTimeZone::isTimeZoneIdAvailable(id);
}

QTimeZone siteZone()
{
    if (!hasSiteZone())
        return QTimeZone::systemTimeZone();
    return QTimeZone(SettingsStore::open()->value(keySiteZone).toString().toUtf8());
}

void setSiteZone(const QTimeZone &zone)
{
    SettingsStore::open()->setValue(keySiteZone, QString::fromUtf8(zone.id()));
}

QStringList minimumFirmware()
{
    // "QM03=1.10, QM05=2.00" is a list to the settings file; spaces part entries too.
    QStringList entries;
    for (const QString &value : SettingsStore::open()->value(keyMinimumFirmware).toStringList())
        entries += value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return entries;
}

int pollCeiling(int fallback)
{
    bool ok = false;
    const int stored = SettingsStore::open()->value(keyPollCeiling).toInt(&ok);
    return ok && stored > 0 ? stored : fallback;
}

void loadLastPath()
{
    g_lastPath = SettingsStore::open()->value(keyLastPath, QString()).toString();
}

ReportSettings &reportSettings()
{
    return g_reportSettings;
}

void loadReportSettings()
{
    const auto store = SettingsStore::open();
    ReportSettings settings;
    if (store->contains(keyReportEnabled))
        settings.enabled = store->value(keyReportEnabled).toBool();
    if (store->contains(keyReportFilepath))
        settings.filepath = store->value(keyReportFilepath).toString();
    if (store->contains(keyReportFileType))
        settings.fileType = store->value(keyReportFileType).toInt();
    if (store->contains(keyReportValueType))
        settings.valueType = store->value(keyReportValueType).toInt();
    if (store->contains(keyReportInterval))
        settings.interval = store->value(keyReportInterval).toInt();
    if (store->contains(keyReportLastSaveTime))
        settings.lastSaveTime = QDateTime::fromString(store->value(keyReportLastSaveTime).toString(),
                                                      QLatin1String(lastSaveTimeFormat));
    g_reportSettings = settings;
}

void saveReportSettings(bool enabled, const ReportSettings &settings)
{
    const QDateTime keptTime = g_reportSettings.lastSaveTime;
    g_reportSettings = settings;
    g_reportSettings.enabled = enabled;
    g_reportSettings.lastSaveTime = keptTime;

    const auto store = SettingsStore::open();
    store->setValue(keyReportEnabled, g_reportSettings.enabled);
    store->setValue(keyReportFilepath, g_reportSettings.filepath);
    store->setValue(keyReportFileType, g_reportSettings.fileType);
    store->setValue(keyReportValueType, g_reportSettings.valueType);
    store->setValue(keyReportInterval, g_reportSettings.interval);
}

void saveReportLastSaveTime(const QDateTime &time)
{
    g_reportSettings.lastSaveTime = time;
    SettingsStore::open()->setValue(keyReportLastSaveTime, time.toString(QLatin1String(lastSaveTimeFormat)));
}

void loadRegistrySettings()
{
    loadLastPath();
    loadReportSettings();
}

QString dataFolderPath()
{
    // Not made here: a command that only reads leaves no folder behind. Each
    // writer makes it, owner only, with all its parents, when it writes.
    return QDir::cleanPath(SettingsStore::commonAppDataFolder() + QDir::separator()
                           + QLatin1String(AppIdentity::companyName) + QDir::separator()
                           + QLatin1String(AppIdentity::productName));
}

QString stateFilePath()
{
    return dataFolderPath() + QStringLiteral("/settings.xml");
}

} // namespace AppSettings
