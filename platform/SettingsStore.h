#pragma once

#include <QSettings>
#include <QString>

#include <memory>

// The per-user settings store. On Windows it is the registry key
// "HKEY_CURRENT_USER\SOFTWARE\QLX Devices\Zentick" in native format; elsewhere
// an INI file in the user's configuration folder with the same key names
// ("Common/LastPath", "Report/enabled", ...). Each read or write group opens a
// short-lived object; nothing keeps the store open.
namespace SettingsStore {

inline constexpr char companyName[] = "QLX Devices";
inline constexpr char productName[] = "Zentick";

std::unique_ptr<QSettings> open();

// The folder for machine-wide program data ("Common AppData" on Windows,
// the per-user generic data folder elsewhere). May be empty when unknown.
QString commonAppDataFolder();

} // namespace SettingsStore
