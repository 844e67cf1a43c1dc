#include "desktop/HelpManual.h"

#include "core/AppIdentity.h"
#include "desktop/DocumentOpener.h"
#include "core/ProgramFiles.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>

namespace HelpManual {

QStringList candidates(const QString &programFolder, Language language)
{
    const QString base = QStringLiteral("/manuals/") + appDisplayName() + QLatin1Char(' ');
    const QString english = base + LanguageManager::languageCode(Language::English) + QStringLiteral(".pdf");
    const QString own = base + LanguageManager::languageCode(language) + QStringLiteral(".pdf");
    const QStringList names = own == english ? QStringList{english} : QStringList{own, english};
    // Beside the program in a build tree, in the data folder when installed;
    // the language decides first, the folder second.
    QStringList files;
    for (const QString &name : names) {
        for (const QString &folder : ProgramFiles::searchFolders(programFolder))
            files << folder + name;
    }
    return files;
}

QUrl target(const QString &programFolder, Language language)
{
    for (const QString &candidate : candidates(programFolder, language)) {
        if (QFileInfo(candidate).isFile())
            return QUrl::fromLocalFile(candidate);
    }
    return QUrl(QLatin1String(AppIdentity::webAddress));
}

bool open(QString *notOpened)
{
    const QUrl url = target(QCoreApplication::applicationDirPath(), LanguageManager::currentLanguage());
    if (!url.isLocalFile())
        return QDesktopServices::openUrl(url);
    if (DocumentOpener::open(url.toLocalFile()))
        return true;
    if (notOpened)
        *notOpened = url.toLocalFile();
    return false;
}

} // namespace HelpManual
