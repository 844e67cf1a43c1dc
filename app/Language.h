#pragma once

#include <QString>

using Language = int;

// The interface language: six translation catalogues and two translators
// installed in the application (the second stays empty).
namespace LanguageManager {

inline constexpr int languageCount = 6;

// Creates the translators and picks the stored language, or the one of the
// system locale when none is stored.
void setupAtStartup();
void setLanguage(Language index);
Language currentLanguage();

// "EN", "PL", "ES", "FR", "IT" or "DE"; "EN" for any index outside 1..5.
QString languageCode(Language index);
QString currentLanguageCode();
// Exact locale names only ("en_US" falls back to 0).
Language languageForLocaleName(const QString &localeName);
// "translations/ZTK_xx.qm", relative to the working folder.
QString translationFileName(Language index);

} // namespace LanguageManager

using LanguageManager::setLanguage;
