#include "DocumentOpener.h"

#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QUrl>

namespace DocumentOpener {

bool open(const QString &filePath)
{
#ifdef Q_OS_WIN
    return QProcess::startDetached(QStringLiteral("explorer.exe"),
                                   {QStringLiteral("/open,") + QDir::toNativeSeparators(filePath)});
#else
    return QDesktopServices::openUrl(QUrl::fromLocalFile(filePath));
#endif
}

} // namespace DocumentOpener
