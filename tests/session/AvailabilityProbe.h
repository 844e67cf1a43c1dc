#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QProcess>
#include <QStringList>

// What tests/session/read_availability.py reads from a workbook or a mail;
// null when it failed.
inline QJsonValue readAvailability(const QStringList &arguments)
{
    QProcess python;
    python.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    python.start(QStringLiteral("/usr/bin/python3"),
                 QStringList{qEnvironmentVariable("ZENTICK_SOURCE_DIR") + QStringLiteral("/tests/session/read_availability.py")}
                     + arguments);
    if (!python.waitForFinished(120000) || python.exitCode() != 0)
        return {};
    const QJsonDocument document = QJsonDocument::fromJson(python.readAllStandardOutput());
    return document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object());
}
