#pragma once

#include <QString>

// Typed IPv4 addresses. QHostAddress reads "192.168" as 192.0.0.168 and a
// leading zero as octal ("010" is 8), so a typed text must be a complete
// dotted quad, and it is read the way people write it: in decimal.
namespace Ipv4Text {

// Four decimal numbers 0..255 joined by dots, each of one to three digits;
// returns them without leading zeros, or an empty string when not one.
QString canonical(const QString &text);

} // namespace Ipv4Text
