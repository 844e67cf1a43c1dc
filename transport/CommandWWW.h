#pragma once

#include "transport/Command.h"

#include <QString>

// The kinds of HTTP exchange with a clock; each has its request path.
enum CommandType : int {
    ReadNetwork = 2,
    ReadStatus = 3,
    ReadFirmware = 4,
    ReadTimeConfig = 5,
    ReadDisplayConfig = 6,
    ReadAlarmConfig = 7,
    WriteNetwork = 8,
    WritePassword = 9,
    WriteName = 10,
    WriteTimeConfig = 11,
    WriteDisplayConfig = 12,
    WriteAlarmConfig = 13,
    WriteMac = 14,
};

// One HTTP request: a path chosen by the command type and a form-encoded body
// (possibly empty), which is the payload as given.
class CommandWWW : public Command
{
public:
    CommandWWW(int commandType, const QByteArray &body);

    // Nothing to build: an empty body stays empty.
    void build() override;

    int commandType() const { return m_commandType; }
    QString path() const { return path(m_commandType); }
    // Empty for a value that is no command type.
    static QString path(int commandType);

private:
    int m_commandType;
};
