#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

// The file chores the suites share: a whole file read or written, its mode,
// and a disk made full for as long as an object lives.
namespace TestFiles {

// Empty when the file cannot be read.
inline QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The whole file, padded with a hole up to size bytes (sparse: the padding
// takes no room and is never read); false when it could not be written.
inline bool write(const QString &path, const QByteArray &data, qint64 size = 0)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size()
        && (size <= data.size() || file.resize(size));
}

// The permission bits; -1 when there is no such file.
inline int modeOf(const QString &path)
{
    struct stat info = {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 0777) : -1;
}

// Makes the disk "full" after a few bytes: writes past the limit fail with
// EFBIG instead of raising SIGXFSZ.
struct FileSizeLimit
{
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved);
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, saved.rlim_max};
        active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
    }
    rlimit saved{};
    void (*previousHandler)(int) = nullptr;
    bool active = false;
};

} // namespace TestFiles
