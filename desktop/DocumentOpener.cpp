#include "desktop/DocumentOpener.h"

#include <QDesktopServices>
#include <QDir>
#include <QMimeDatabase>
#include <QProcess>
#include <QUrl>

namespace DocumentOpener {

namespace {

#ifndef Q_OS_WIN
// Long enough for xdg-mime to read the desktop's associations.
constexpr int mimeQueryTimeoutMs = 3000;

// Whether the desktop names an application for the file's type; without
// xdg-mime nothing is known, and the opener is tried as before.
bool hasViewerFor(const QString &filePath)
{
    const QString mimeType = QMimeDatabase().mimeTypeForFile(filePath).name();
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!query.waitForStarted(mimeQueryTimeoutMs))
        return true;
    if (!query.waitForFinished(mimeQueryTimeoutMs)) {
        query.kill();
        query.waitForFinished();
        return true;
    }
    return query.exitStatus() == QProcess::NormalExit && !query.readAllStandardOutput().trimmed().isEmpty();
}
#endif

} // namespace

bool open(const QString &filePath)
{
#ifdef Q_OS_WIN
    return QProcess::startDetached(QStringLiteral("explorer.exe"),
                                   {QStringLiteral("/open,") + QDir::toNativeSeparators(filePath)});
#else
    if (!hasViewerFor(filePath))
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(filePath));
#endif
}

} // namespace DocumentOpener
