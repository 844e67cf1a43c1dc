#include "transport/CommandWWW.h"

CommandWWW::CommandWWW(int commandType, const QByteArray &body)
    : m_commandType(commandType)
{
    m_payload = body;
}

void CommandWWW::build()
{
}

QString CommandWWW::path(int commandType)
{
    switch (commandType) {
    case ReadNetwork:
        return QStringLiteral("/D");
    case ReadStatus:
        return QStringLiteral("/T1");
    case ReadFirmware:
        return QStringLiteral("/F");
    case ReadTimeConfig:
        return QStringLiteral("/A");
    case ReadDisplayConfig:
        return QStringLiteral("/B");
    case ReadAlarmConfig:
        return QStringLiteral("/C0");
    case WriteNetwork:
        return QStringLiteral("/D0");
    case WritePassword:
        return QStringLiteral("/D2");
    case WriteName:
        return QStringLiteral("/D");
    case WriteTimeConfig:
        return QStringLiteral("/A1");
    case WriteDisplayConfig:
        return QStringLiteral("/B0");
    case WriteAlarmConfig:
        return QStringLiteral("/C0");
    case WriteMac:
        return QStringLiteral("/E0");
    default:
        return QString();
    }
}
