#include "operations/CommandBodies.h"

#include "model/ClockNetworkSettings.h"

namespace {

void appendParameter(QByteArray &body, const char *code, const QByteArray &value)
{
    body += '&';
    body += code;
    body += '=';
    body += value;
}

QByteArray flag(bool value)
{
    return value ? QByteArrayLiteral("1") : QByteArrayLiteral("0");
}

// The one encoded character of any body: "!" separates the two passwords.
const char PasswordSeparator[] = "%21";
const char ConflictNetworkTail[] = "&D_001=255.255.255.0&D_002=192.168.0.1&D_007=0";

} // namespace

namespace CommandBodies {

QByteArray name(const QString &name)
{
    QByteArray body;
    appendParameter(body, "D_006", name.toUtf8());
    return body;
}

QByteArray network(const ClockNetworkSettings &s)
{
    QByteArray body;
    appendParameter(body, "D_000", s.ip.toUtf8());
    appendParameter(body, "D_001", s.subnet.toUtf8());
    appendParameter(body, "D_002", s.gateway.toUtf8());
    appendParameter(body, "D_007", flag(s.DHCP));
    appendParameter(body, "D_008", flag(s.dhcpOpt42));
    appendParameter(body, "D_011", flag(s.dhcpOptPrivate));
    appendParameter(body, "D_012", flag(s.disableRemoteAccess));
    appendParameter(body, "D_013", QByteArray::number(s.dhcpPrivateOptNumber));
    appendParameter(body, "D_015", QByteArray::number(s.webPanelTimeout));
    appendParameter(body, "D_009", s.dnsPrimary.toUtf8());
    appendParameter(body, "D_010", s.dnsSecondary.toUtf8());
    return body;
}

QByteArray password(const QString &oldPassword, const QString &newPassword)
{
    return QByteArrayLiteral("passchange=") + oldPassword.toUtf8() + PasswordSeparator + newPassword.toUtf8()
        + PasswordSeparator;
}

QByteArray conflictAddress(const QString &ip)
{
    QByteArray body;
    appendParameter(body, "D_000", ip.toUtf8());
    return body + ConflictNetworkTail;
}

QByteArray mac(const QString &mac)
{
    QByteArray body;
    appendParameter(body, "E_000", mac.toUtf8());
    return body;
}

} // namespace CommandBodies
