#pragma once

#include <QJsonObject>
#include <QString>

// Where the monitor's lines go: zentick-cli's standard output (status
// changes, as text or as JSON lines) and standard error (messages).
class MonitorOutput
{
public:
    virtual ~MonitorOutput() = default;

    virtual bool json() const = 0;
    // One status change, flushed at once.
    virtual void line(const QString &text) = 0;
    virtual void jsonLine(const QJsonObject &object) = 0;
    // For people: what the monitor does and why it cannot.
    virtual void message(const QString &text) = 0;
};
