#include "persistence/OperatorRecorder.h"

#include "persistence/EventJournal.h"

#include <QSysInfo>

#include <pwd.h>
#include <unistd.h>

OperatorRecorder::OperatorRecorder(EventJournal &journal)
    : m_journal(journal), m_user(currentUser()), m_host(currentHost())
{
}

void OperatorRecorder::record(const QString &ip, const QString &name, const QString &group, OperatorChange change)
{
    change.user = m_user;
    change.host = m_host;
    ClockEvent event;
    event.time = QDateTime::currentDateTimeUtc();
    event.ip = ip;
    event.name = name;
    event.group = group;
    event.kind = ClockEvent::Kind::Changed;
    event.detail = QString::fromUtf8(change.toJson());
    m_journal.append(event);
}

bool OperatorRecorder::flush()
{
    return m_journal.flush();
}

QString OperatorRecorder::currentUser()
{
    // The account, not $USER: that one anybody can set.
    if (const passwd *entry = getpwuid(getuid()))
        return QString::fromLocal8Bit(entry->pw_name);
    return QString::number(getuid());
}

QString OperatorRecorder::currentHost()
{
    return QSysInfo::machineHostName();
}
