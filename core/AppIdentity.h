#pragma once

#include <QString>

// The program's identity, fixed at build time.
namespace AppIdentity {

inline constexpr char companyName[] = "QLX Devices";
inline constexpr char companyShortName[] = "QLX";
inline constexpr char productName[] = "Zentick";
// The project's web site: the about box links to it and Help opens it when
// no manual is installed.
inline constexpr char webAddress[] = "https://www.qlx-devices.example/";

// "QLX Zentick": window title, tray tool tip and title of message dialogs.
QString appDisplayName();

} // namespace AppIdentity

using AppIdentity::appDisplayName;
