#include "XmlFile.h"

#include <QDebug>
#include <QFile>
#include <QSaveFile>

namespace XmlFile {

namespace {

void reportWriteFailure()
{
    qDebug("Error: Cannot write file");
}

} // namespace

bool write(const QString &path, const QByteArray &data, Access access)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        reportWriteFailure();
        return false;
    }
    // Before any byte is written: the state file holds passwords.
    if (access == Access::OwnerOnly && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        file.cancelWriting();
        reportWriteFailure();
        return false;
    }
    // The explicit flush matters: Qt 5's commit() does not notice a failure
    // of its own final flush (a full disk) and renames a truncated file over
    // the target.
    if (file.write(data) != data.size() || !file.flush() || !file.commit()) {
        file.cancelWriting();
        reportWriteFailure();
        return false;
    }
    return true;
}

QDomElement parse(const QByteArray &data, QDomDocument &document)
{
    if (!document.setContent(data, false))
        return QDomElement();
    return document.firstChildElement();
}

bool readData(const QString &path, QByteArray &data)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxFileSize)
        return false;
    // The size can change between the check and the read.
    data = file.read(maxFileSize + 1);
    return data.size() <= maxFileSize && file.error() == QFileDevice::NoError;
}

} // namespace XmlFile
