#include "persistence/ChangeRunFile.h"

#include "core/AppSettings.h"
#include "operations/change/ChangeRunState.h"
#include "persistence/XmlFile.h"
#include "platform/PrivateFiles.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonDocument>

namespace ChangeRunFile {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ChangeRunFile", text);
}

} // namespace

QString folderPath()
{
    return AppSettings::dataFolderPath() + QStringLiteral("/changes");
}

QString pathOf(const QString &id)
{
    return folderPath() + QLatin1Char('/') + id + QStringLiteral(".json");
}

bool save(const ChangeRunState &state, QString *why)
{
    if (!ChangeRunState::isValidId(state.id)) {
        if (why)
            *why = tr("no valid run id");
        return false;
    }
    // Made owner-only first: the write only makes the file's own folder.
    PrivateFiles::makeFolder(folderPath());
    return XmlFile::write(pathOf(state.id), QJsonDocument(state.toJson()).toJson(QJsonDocument::Compact),
                          XmlFile::Access::OwnerOnly, why);
}

bool load(const QString &id, ChangeRunState &state, QString *why)
{
    // The id becomes a file name: nothing but a run's own id may name one.
    if (!ChangeRunState::isValidId(id)) {
        if (why)
            *why = tr("%1 is no run id (such as 20261209-041502-7f3a)").arg(id);
        return false;
    }
    const QString path = pathOf(id);
    if (!QFileInfo::exists(path)) {
        if (why)
            *why = tr("there is no change run %1").arg(id);
        return false;
    }
    QByteArray data;
    if (!PrivateFiles::readOwnFile(path, maxFileSize, data, why))
        return false;
    if (data.size() > maxFileSize) {
        if (why)
            *why = tr("%1 is too large").arg(path);
        return false;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(data, &error);
    if (!document.isObject()) {
        if (why)
            *why = tr("%1 is not a change run: %2").arg(path, error.errorString());
        return false;
    }
    QString reason;
    if (!ChangeRunState::fromJson(document.object(), state, &reason)) {
        if (why)
            *why = tr("%1 is not a change run: %2").arg(path, reason);
        return false;
    }
    return true;
}

} // namespace ChangeRunFile
