#include "StateLoad.h"

#include "AppSettings.h"
#include "StateFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace StateLoad {

Result load(ClockRegistry &registry)
{
    Result result;
    const QString path = AppSettings::stateFilePath();
    if (!QFileInfo::exists(path))
        return result;
    if (loadDeviceList(registry)) {
        result.outcome = Outcome::Loaded;
        return result;
    }
    result.outcome = Outcome::Unreadable;
    if (QFileInfo::exists(path)) {
        result.leftInPlace = true;
        result.message = QCoreApplication::translate("StateLoad",
                                                     "Cannot read the device list %1; it was left as it is.")
                             .arg(path);
        return result;
    }
    // The loader renames an ill-formed file so that no later save can destroy it.
    const QFileInfo info(path);
    const QStringList kept = QDir(info.path()).entryList({info.fileName() + QStringLiteral(".unreadable-*")},
                                                         QDir::Files, QDir::Time);
    const QString keptPath = kept.isEmpty() ? QStringLiteral("?") : info.path() + QLatin1Char('/') + kept.constFirst();
    result.message = QCoreApplication::translate("StateLoad", "Cannot read the device list %1; it was kept as %2.")
                         .arg(path, keptPath);
    return result;
}

} // namespace StateLoad
