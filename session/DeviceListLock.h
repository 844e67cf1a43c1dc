#pragma once

#include <QCoreApplication>
#include <QLockFile>
#include <QString>

// One writer of the device list at a time: a lock file beside the state file
// ("settings.xml.lock"). A lock left by a process that no longer runs is
// taken over; a lock held by a running process is never broken, however old,
// because a monitor holds it for days.
class DeviceListLock
{
    Q_DECLARE_TR_FUNCTIONS(DeviceListLock)

public:
    // Locks the device list at AppSettings::stateFilePath().
    DeviceListLock();
    explicit DeviceListLock(const QString &stateFilePath);
    ~DeviceListLock();

    static QString lockFilePath(const QString &stateFilePath);

    // True when this object holds the lock afterwards. Never waits.
    bool tryLock();
    bool isLocked() const { return m_file.isLocked(); }
    void unlock();

    // After a failed tryLock: who holds the lock, or why it could not be made.
    QString failureText() const { return m_failure; }
    // After a failed tryLock: another running program holds it.
    bool isHeldElsewhere() const { return m_heldElsewhere; }

    DeviceListLock(const DeviceListLock &) = delete;
    DeviceListLock &operator=(const DeviceListLock &) = delete;

private:
    QString m_path;
    QLockFile m_file;
    QString m_failure;
    bool m_heldElsewhere = false;
};
