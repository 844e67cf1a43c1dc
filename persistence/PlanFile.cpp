#include "persistence/PlanFile.h"

#include "platform/PrivateFiles.h"
#include "persistence/XmlFile.h"

#include <QDebug>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace PlanFile {

namespace {

bool failed(QString *why, const QString &reason)
{
    // As the program's other writers report it.
    qDebug("Error: Cannot write file");
    if (why)
        *why = reason;
    return false;
}

bool writeAll(int fd, const QByteArray &data)
{
    const char *next = data.constData();
    qint64 left = data.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, next, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        next += written;
        left -= written;
    }
    return true;
}

} // namespace

AddressPlan::Parsed load(const QString &path)
{
    QByteArray data;
    QString why;
    if (!XmlFile::readData(path, data, &why)) {
        AddressPlan::Parsed refused;
        refused.error = why;
        return refused;
    }
    return AddressPlan::parse(data);
}

bool saveData(const QString &path, const QByteArray &data, QString *why)
{
    if (PrivateFiles::isSymlink(path))
        return failed(why, QStringLiteral("it is a symbolic link, and a plan is not written through one"));
    // mkstemp makes the file 0600 with O_EXCL: no umask widens it, and no
    // link planted under the temporary name is followed. The rename replaces
    // a link put at the target meanwhile rather than writing through it.
    const QByteArray target = QFile::encodeName(path);
    QByteArray temporary = target + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return failed(why, qt_error_string(errno));
    bool written = writeAll(fd, data) && ::fsync(fd) == 0;
    const int writeError = errno;
    written = ::close(fd) == 0 && written;
    if (written && ::rename(temporary.constData(), target.constData()) == 0)
        return true;
    const int error = written ? errno : writeError;
    ::unlink(temporary.constData());
    return failed(why, qt_error_string(error));
}

bool save(const QString &path, const QVector<PlanRow> &rows, QString *why)
{
    return saveData(path, AddressPlan::write(rows), why);
}

} // namespace PlanFile
