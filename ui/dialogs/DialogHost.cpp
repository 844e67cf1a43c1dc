#include "ui/dialogs/DialogHost.h"

#include "core/AppIdentity.h"
#include "core/AppSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

DialogHost::~DialogHost() = default;

QuestionResult DialogHost::ask(QWidget *parent, const QString &text, QuestionIcon icon, const QString &positive,
                               const QString &negative, const QString &neutral)
{
    return question({parent, appDisplayName(), text, icon, positive, negative, neutral});
}

void DialogHost::message(QWidget *parent, const QString &text, QuestionIcon icon)
{
    ask(parent, text, icon, QCoreApplication::translate("DialogHost", "OK"));
}

QString DialogHost::startingPlace(const QString &requested)
{
    const QFileInfo info(requested);
    if (!requested.isEmpty() && info.isAbsolute() && (info.isDir() || info.absoluteDir().exists()))
        return requested;
    const QString name = requested.endsWith(QLatin1Char('/')) ? QString() : info.fileName();
    QString folder = AppSettings::lastPath();
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return name.isEmpty() ? folder : QDir(folder).filePath(name);
}

QString DialogHost::chosen(const QString &path)
{
    if (!path.isEmpty())
        AppSettings::setLastPath(path);
    return path;
}

QString DialogHost::openFileName(const FileRequest &request)
{
    FileRequest placed = request;
    placed.folder = startingPlace(request.folder);
    return chosen(chooseOpenFile(placed));
}

QString DialogHost::saveFileName(const FileRequest &request)
{
    FileRequest placed = request;
    placed.folder = startingPlace(request.folder);
    return chosen(chooseSaveFile(placed));
}
