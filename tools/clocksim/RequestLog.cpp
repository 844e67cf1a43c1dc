#include "tools/clocksim/RequestLog.h"

#include <QJsonDocument>

bool RequestLog::open(const QString& path, QString* error)
{
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        *error = QStringLiteral("%1: cannot open the request log: %2").arg(path, m_file.errorString());
        return false;
    }
    return true;
}

void RequestLog::append(const QJsonObject& entry)
{
    if (!m_file.isOpen())
        return;
    // One write per line keeps a reader from seeing half an entry.
    m_file.write(QJsonDocument(entry).toJson(QJsonDocument::Compact) + '\n');
}

bool RequestLog::clear(QString* error)
{
    if (!m_file.isOpen())
        return true;
    if (!m_file.resize(0)) {
        *error = QStringLiteral("cannot empty the request log: %1").arg(m_file.errorString());
        return false;
    }
    return true;
}
