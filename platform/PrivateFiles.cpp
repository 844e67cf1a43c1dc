#include "platform/PrivateFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace PrivateFiles {

#ifdef Q_OS_UNIX

namespace {

constexpr mode_t folderMode = 0700;
constexpr mode_t fileMode = 0600;
constexpr mode_t othersBits = 0077;
constexpr mode_t othersWrite = 0022;

QString errnoText(int error)
{
    return error == ELOOP ? symlinkReason() : QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

namespace {

// Each level it lacks, owner only; levels that exist are left alone.
bool createMissing(const QString &clean)
{
    const QByteArray native = QFile::encodeName(clean);
    struct stat info = {};
    if (::stat(native.constData(), &info) == 0)
        return S_ISDIR(info.st_mode);
    const QString parent = QFileInfo(clean).path();
    if (parent != clean && !createMissing(parent))
        return false;
    if (::mkdir(native.constData(), folderMode) != 0 && errno != EEXIST)
        return false;
    // The umask may have taken bits away the owner needs.
    ::chmod(native.constData(), folderMode);
    return true;
}

} // namespace

bool makeFolder(const QString &path)
{
    const QString clean = QDir::cleanPath(QDir(path).absolutePath());
    const QByteArray native = QFile::encodeName(clean);
    struct stat info = {};
    if (::lstat(native.constData(), &info) != 0)
        return createMissing(clean);
    if (!S_ISDIR(info.st_mode))
        return QFileInfo(clean).isDir(); // a link to a folder: left as the user made it
    if (info.st_uid == ::geteuid() && (info.st_mode & othersBits) != 0)
        ::chmod(native.constData(), folderMode);
    return true;
}

bool isSymlink(const QString &path)
{
    struct stat info = {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISLNK(info.st_mode);
}

int openForAppend(const QString &path, QString *why)
{
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDWR | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC, fileMode);
    if (fd < 0) {
        if (why)
            *why = errnoText(errno);
        return -1;
    }
    struct stat info = {};
    if (::fstat(fd, &info) == 0 && info.st_uid == ::geteuid() && (info.st_mode & othersBits) != 0)
        ::fchmod(fd, fileMode);
    return fd;
}

bool appendLines(const QString &path, const QByteArray &lines, QString *why)
{
    const int fd = openForAppend(path, why);
    if (fd < 0)
        return false;
    struct stat info = {};
    if (::fstat(fd, &info) != 0) {
        if (why)
            *why = errnoText(errno);
        ::close(fd);
        return false;
    }
    const off_t before = info.st_size;
    char last = '\n';
    if (before > 0 && ::pread(fd, &last, 1, before - 1) != 1)
        last = '\n';
    const QByteArray data = last == '\n' ? lines : '\n' + lines;
    qint64 done = 0;
    int error = 0;
    while (done < data.size()) {
        const ssize_t wrote = ::write(fd, data.constData() + done, size_t(data.size() - done));
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0) {
            error = wrote < 0 ? errno : ENOSPC;
            break;
        }
        done += wrote;
    }
    QString reason;
    if (error != 0) {
        reason = errnoText(error);
        if (::ftruncate(fd, before) != 0)
            reason += QStringLiteral("; cutting it back failed too: ") + errnoText(errno);
    }
    if (::close(fd) != 0 && reason.isEmpty())
        reason = errnoText(errno);
    if (why)
        *why = reason;
    return reason.isEmpty();
}

bool writeWhole(const QString &path, const QByteArray &data, QString *why)
{
    const auto failed = [why](const QString &reason) {
        if (why)
            *why = reason;
        return false;
    };
    if (isSymlink(path))
        return failed(symlinkReason());
    // mkstemp makes the file 0600 with O_EXCL: no umask widens it, and no
    // link planted under the temporary name is followed. The rename replaces
    // a link put at the target meanwhile rather than writing through it.
    const QByteArray target = QFile::encodeName(path);
    QByteArray temporary = target + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return failed(errnoText(errno));
    bool written = true;
    for (qint64 done = 0; written && done < data.size();) {
        const ssize_t wrote = ::write(fd, data.constData() + done, size_t(data.size() - done));
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0) {
            if (wrote == 0)
                errno = ENOSPC;
            written = false;
        }
        done += std::max<ssize_t>(wrote, 0);
    }
    written = written && ::fsync(fd) == 0;
    const int writeError = errno;
    written = ::close(fd) == 0 && written;
    if (written && ::rename(temporary.constData(), target.constData()) == 0)
        return true;
    const int error = written ? errno : writeError;
    ::unlink(temporary.constData());
    return failed(errnoText(error));
}

bool isOwnFolder(const QString &path)
{
    struct stat info = {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode)
        && info.st_uid == ::geteuid() && (info.st_mode & othersWrite) == 0;
}

bool readOwnFile(const QString &path, qint64 maxBytes, QByteArray &data, QString *why)
{
    // Non-blocking: a FIFO planted in the folder must not hang the reader.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (why)
            *why = errnoText(errno);
        return false;
    }
    struct stat info = {};
    QString reason;
    if (::fstat(fd, &info) != 0)
        reason = errnoText(errno);
    else if (!S_ISREG(info.st_mode))
        reason = QStringLiteral("not a regular file");
    else if (info.st_uid != ::geteuid())
        reason = QStringLiteral("owned by another user (uid %1)").arg(info.st_uid);
    if (reason.isEmpty()) {
        data.resize(int(maxBytes + 1));
        qint64 total = 0;
        while (total < data.size()) {
            const ssize_t got = ::read(fd, data.data() + total, size_t(data.size() - total));
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                reason = errnoText(errno);
            if (got <= 0)
                break;
            total += got;
        }
        data.resize(int(total));
    }
    ::close(fd);
    if (why)
        *why = reason;
    return reason.isEmpty();
}

#else

// Elsewhere the folder's access rules are the system's; links are still refused.
bool makeFolder(const QString &path)
{
    return QDir().mkpath(path);
}

bool isSymlink(const QString &path)
{
    return QFileInfo(path).isSymLink();
}

int openForAppend(const QString &, QString *why)
{
    if (why)
        *why = QStringLiteral("not supported here");
    return -1;
}

bool appendLines(const QString &path, const QByteArray &lines, QString *why)
{
    QFile file(path);
    if (isSymlink(path) || !file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        if (why)
            *why = isSymlink(path) ? symlinkReason() : file.errorString();
        return false;
    }
    const qint64 before = file.size();
    if (file.write(lines) == lines.size() && file.flush())
        return true;
    file.resize(before);
    if (why)
        *why = file.errorString();
    return false;
}

bool writeWhole(const QString &path, const QByteArray &data, QString *why)
{
    QSaveFile file(path);
    if (isSymlink(path) || !file.open(QIODevice::WriteOnly)
        || !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) || file.write(data) != data.size()
        || !file.flush() || !file.commit()) {
        if (why)
            *why = isSymlink(path) ? symlinkReason() : file.errorString();
        return false;
    }
    return true;
}

bool isOwnFolder(const QString &path)
{
    return QFileInfo(path).isDir() && !isSymlink(path);
}

bool readOwnFile(const QString &path, qint64 maxBytes, QByteArray &data, QString *why)
{
    QFile file(path);
    if (isSymlink(path) || !file.open(QIODevice::ReadOnly)) {
        if (why)
            *why = isSymlink(path) ? symlinkReason() : file.errorString();
        return false;
    }
    data = file.read(maxBytes + 1);
    return true;
}

#endif

QString symlinkReason()
{
    return QStringLiteral("it is a symbolic link, which is not followed");
}

} // namespace PrivateFiles
