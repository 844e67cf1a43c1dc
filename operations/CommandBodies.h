#pragma once

#include <QByteArray>
#include <QString>

struct ClockNetworkSettings;

// Request bodies of the name, network, password, address and MAC commands.
// Values go out as they are (UTF-8, no percent-encoding): the clocks read them
// that way.
namespace CommandBodies {

QByteArray name(const QString &name);
QByteArray network(const ClockNetworkSettings &settings);
QByteArray password(const QString &oldPassword, const QString &newPassword);
// The conflict resolver's fixed address change: static address on the factory network.
QByteArray conflictAddress(const QString &ip);
QByteArray mac(const QString &mac);

} // namespace CommandBodies
