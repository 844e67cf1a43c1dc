#pragma once

#include "transport/NetworkParameters.h"

#include <QString>

// An HTTP endpoint: credentials and the clock's firmware version in
// hundredths (305 = 3.05), which decides how a long request is sent. The port
// stays 0: the HTTP worker always uses port 80.
class WWWParameters : public NetworkParameters
{
public:
    WWWParameters(const QHostAddress &address, const QHostAddress &localAddress, const QString &user,
                  const QString &password, int firmware);
    ~WWWParameters() override;

    QString user() const { return m_user; }
    QString password() const { return m_password; }
    int firmware() const { return m_firmware; }

private:
    QString m_user;
    QString m_password;
    int m_firmware;
};
