#include "core/ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ProgramFiles {

QStringList searchFolders(const QString &programDir)
{
    const QDir dir(programDir);
    // The build system passes the data folder as seen from the binary folder,
    // so a relocated prefix (a .deb, /usr/local, a staging folder) still works.
    return {QDir::cleanPath(programDir), QDir::cleanPath(dir.filePath(QStringLiteral(ZENTICK_DATA_DIR_FROM_BIN)))};
}

QString locate(const QString &relativePath, const QString &programDir)
{
    for (const QString &folder : searchFolders(programDir)) {
        const QFileInfo candidate(QDir(folder).filePath(relativePath));
        if (candidate.isFile())
            return candidate.filePath();
    }
    return QString();
}

QString locate(const QString &relativePath)
{
    return locate(relativePath, QCoreApplication::applicationDirPath());
}

} // namespace ProgramFiles
