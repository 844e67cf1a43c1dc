#include "transport/WWWParameters.h"

WWWParameters::WWWParameters(const QHostAddress &address, const QHostAddress &localAddress, const QString &user,
                             const QString &password, int firmware)
    : NetworkParameters(address, 0, Www, localAddress)
    , m_user(user)
    , m_password(password)
    , m_firmware(firmware)
{
}

WWWParameters::~WWWParameters() = default;
