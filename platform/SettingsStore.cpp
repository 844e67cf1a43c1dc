#include "platform/SettingsStore.h"

#include <QStandardPaths>

namespace SettingsStore {

std::unique_ptr<QSettings> open()
{
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\SOFTWARE\\QLX Devices\\Zentick"),
                                       QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QLatin1String(companyName), QLatin1String(productName));
#endif
}

QString commonAppDataFolder()
{
#ifdef Q_OS_WIN
    QSettings shellFolders(
        QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"),
        QSettings::NativeFormat);
    return shellFolders.value(QStringLiteral("Common AppData")).toString();
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#endif
}

} // namespace SettingsStore
