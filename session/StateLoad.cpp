#include "session/StateLoad.h"

#include "core/AppSettings.h"
#include "persistence/StateFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace StateLoad {

namespace {

void appendReason(QString &message, const QString &why)
{
    if (!why.isEmpty())
        message += QStringLiteral(" (") + why + QLatin1Char(')');
}

} // namespace

Result load(ClockRegistry &registry, NotificationSettings &settings)
{
    Result result;
    const QString path = AppSettings::stateFilePath();
    if (!QFileInfo::exists(path))
        return result;
    QString why;
    if (loadDeviceList(registry, settings, &why)) {
        result.outcome = Outcome::Loaded;
        return result;
    }
    result.outcome = Outcome::Unreadable;
    if (QFileInfo::exists(path)) {
        result.leftInPlace = true;
        result.message = QCoreApplication::translate("StateLoad",
                                                     "Cannot read the device list %1; it was left as it is.")
                             .arg(path);
        appendReason(result.message, why);
        return result;
    }
    // The loader renames an ill-formed file so that no later save can destroy it.
    const QFileInfo info(path);
    const QStringList kept = QDir(info.path()).entryList({info.fileName() + QStringLiteral(".unreadable-*")},
                                                         QDir::Files, QDir::Time);
    const QString keptPath = kept.isEmpty() ? QStringLiteral("?") : info.path() + QLatin1Char('/') + kept.constFirst();
    result.message = QCoreApplication::translate("StateLoad", "Cannot read the device list %1; it was kept as %2.")
                         .arg(path, keptPath);
    appendReason(result.message, why);
    return result;
}

} // namespace StateLoad
