#include "XmlFile.h"

#include "PrivateFiles.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QSaveFile>

#include <cerrno>

namespace XmlFile {

namespace {

bool failed(QString *why, const QString &reason)
{
    qDebug("Error: Cannot write file");
    qDebug().noquote() << reason;
    if (why)
        *why = reason;
    return false;
}

} // namespace

bool write(const QString &path, const QByteArray &data, Access access, QString *why)
{
    // A private file is never written through a link: the saving file would
    // follow it and replace whatever it points at.
    if (access == Access::OwnerOnly && PrivateFiles::isSymlink(path)) {
        return failed(why, PrivateFiles::symlinkReason());
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(why, file.errorString());
    // Before any byte is written: the state file holds passwords.
    if (access == Access::OwnerOnly && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failed(why, reason);
    }
    // The explicit flush matters: Qt 5's commit() does not notice a failure
    // of its own final flush (a full disk) and renames a truncated file over
    // the target.
    errno = 0;
    if (file.write(data) != data.size() || !file.flush() || !file.commit()) {
        // Read before cancelWriting(), which replaces it. A write cut short
        // by the system (a full disk, a file size limit) leaves Qt's text
        // at "Unknown error", and the reason in errno.
        const int error = errno;
        QString reason = file.errorString();
        if (error != 0 && (reason.isEmpty() || reason == QLatin1String("Unknown error")))
            reason = qt_error_string(error);
        file.cancelWriting();
        return failed(why, reason);
    }
    return true;
}

QDomElement parse(const QByteArray &data, QDomDocument &document, QString *why)
{
    QString message;
    int line = 0;
    int column = 0;
    if (!document.setContent(data, false, &message, &line, &column)) {
        if (why) {
            *why = QCoreApplication::translate("XmlFile", "not an XML file: %1 (line %2, column %3)")
                       .arg(message)
                       .arg(line)
                       .arg(column);
        }
        return QDomElement();
    }
    const QDomElement root = document.firstChildElement();
    if (root.isNull() && why)
        *why = QCoreApplication::translate("XmlFile", "the XML file holds no element");
    return root;
}

bool readData(const QString &path, QByteArray &data, QString *why, qint64 limit)
{
    QString reason;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reason = file.exists() ? file.errorString() : QCoreApplication::translate("XmlFile", "no such file");
    } else if (file.size() > limit) {
        reason = QCoreApplication::translate("XmlFile", "larger than %1 MB").arg(limit / (1024 * 1024));
    } else {
        // The size can change between the check and the read.
        data = file.read(limit + 1);
        if (data.size() > limit)
            reason = QCoreApplication::translate("XmlFile", "larger than %1 MB").arg(limit / (1024 * 1024));
        else if (file.error() != QFileDevice::NoError)
            reason = file.errorString();
    }
    if (why)
        *why = reason;
    return reason.isEmpty();
}

} // namespace XmlFile
