#pragma once

#include <QFile>
#include <QJsonObject>
#include <QString>

// Appends one JSON object per line to the request log, flushed at once, so a
// test that has its reply can read the line of its request.
class RequestLog
{
public:
    bool open(const QString& path, QString* error);
    bool isOpen() const { return m_file.isOpen(); }
    void append(const QJsonObject& entry);
    bool clear(QString* error);

private:
    QFile m_file;
};
