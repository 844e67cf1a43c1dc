#include "DeviceListLock.h"

#include "AppSettings.h"

#include <QDir>
#include <QFile>

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
    if (m_file.tryLock(0)) {
        // Made as the umask allows; it names this host and process, which
        // are nobody else's business.
        QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        return true;
    }

    if (m_file.error() != QLockFile::LockFailedError) {
        m_failure = tr("Cannot create the lock file %1 of the device list.").arg(QDir::toNativeSeparators(m_path));
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
