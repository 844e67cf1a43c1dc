#pragma once

#include <QString>

// The program's identity, fixed at build time.
namespace AppIdentity {

inline constexpr char companyName[] = "QLX Devices";
inline constexpr char companyShortName[] = "QLX";
inline constexpr char productName[] = "Zentick";

// "QLX Zentick": window title, tray tool tip and title of message dialogs.
QString appDisplayName();

} // namespace AppIdentity

using AppIdentity::appDisplayName;
