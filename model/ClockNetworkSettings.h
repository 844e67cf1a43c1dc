#pragma once

#include <QMetaType>
#include <QString>

// The address every clock leaves the factory with.
inline constexpr const char *factoryClockIp = "192.168.0.11";

// A clock's network settings; copied as a whole and passed by value to the
// network command. The state file keeps only DHCP, ip, port, subnet,
// gateway and the two DNS servers.
struct ClockNetworkSettings
{
    bool disableRemoteAccess = false;             // D_012
    int webPanelTimeout = 5;                      // D_015
    bool DHCP = false;                            // D_007
    bool dhcpOpt42 = true;                        // D_008
    bool dhcpOptPrivate = true;                   // D_011
    int dhcpPrivateOptNumber = 230;               // D_013
    QString ip = QLatin1String(factoryClockIp);   // D_000
    // The TCP port that discovery reported; never sent by a command.
    int port = 2101;
    QString subnet = QStringLiteral("255.255.255.0");  // D_001
    QString gateway = QStringLiteral("192.168.0.1");   // D_002
    QString dnsPrimary = QStringLiteral("8.8.8.8");    // D_009
    QString dnsSecondary = QStringLiteral("4.4.4.4");  // D_010
};
Q_DECLARE_METATYPE(ClockNetworkSettings)

