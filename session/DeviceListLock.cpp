#include "session/DeviceListLock.h"

#include "core/AppSettings.h"
#include "platform/PrivateFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {

// QLockFile tells only that it failed. What the operating system says of a
// file made and written beside the lock is what the user can act on ("No
// space left on device", "Read-only file system").
QString creationFailure(const QString &lockPath, QLockFile::LockError error)
{
    QByteArray probe = QFile::encodeName(lockPath) + ".XXXXXX";
    const int fd = ::mkstemp(probe.data());
    if (fd < 0)
        return qt_error_string(errno);
    const char text[] = "probe\n";
    errno = 0;
    bool written = ::write(fd, text, sizeof text - 1) == ssize_t(sizeof text - 1) && ::fsync(fd) == 0;
    const int writeError = errno;
    written = ::close(fd) == 0 && written;
    const int closeError = errno;
    ::unlink(probe.constData());
    if (!written)
        return qt_error_string(writeError != 0 ? writeError : closeError);
    return error == QLockFile::PermissionError ? qt_error_string(EACCES)
                                               : DeviceListLock::tr("the lock file could not be written");
}

} // namespace

DeviceListLock::DeviceListLock()
    : DeviceListLock(AppSettings::stateFilePath())
{
}

DeviceListLock::DeviceListLock(const QString &stateFilePath)
    : m_path(lockFilePath(stateFilePath))
    , m_file(m_path)
{
    // By default a lock older than 30 s counts as stale, and only the
    // holder's file lock (absent on some network file systems) would keep it
    // from being taken from a live monitor; here only a dead holder makes a
    // lock stale.
    m_file.setStaleLockTime(0);
}

DeviceListLock::~DeviceListLock() = default;

QString DeviceListLock::lockFilePath(const QString &stateFilePath)
{
    return stateFilePath + QStringLiteral(".lock");
}

bool DeviceListLock::tryLock()
{
    if (m_file.isLocked())
        return true;
    m_failure.clear();
    m_heldElsewhere = false;
    // The first writer of a fresh data folder makes it.
    PrivateFiles::makeFolder(QFileInfo(m_path).absolutePath());
    if (m_file.tryLock(0)) {
        // Made as the umask allows; it names this host and process, which
        // are nobody else's business.
        QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        return true;
    }

    if (m_file.error() != QLockFile::LockFailedError) {
        m_failure = tr("Cannot create the lock file %1 of the device list: %2.")
                        .arg(QDir::toNativeSeparators(m_path), creationFailure(m_path, m_file.error()));
        return false;
    }
    m_heldElsewhere = true;
    qint64 pid = 0;
    QString host;
    QString application;
    if (m_file.getLockInfo(&pid, &host, &application)) {
        if (application.isEmpty())
            application = tr("another program");
        m_failure = tr("The device list is in use by %1 (process %2 on %3).").arg(application).arg(pid).arg(host);
    } else {
        // The holder let go between our attempt and the read.
        m_failure = tr("The device list is in use by another program.");
    }
    return false;
}

void DeviceListLock::unlock()
{
    m_file.unlock();
}
