#pragma once

#include <QString>

// The interface languages, by the number the settings store keeps under
// "Common/appLanguage". A number that names none is kept as it is and reads
// as English.
enum class Language : int { English = 0, Polish = 1, Spanish = 2, French = 3, Italian = 4, German = 5 };

// The interface language: six translation catalogues and two translators
// installed in the application (the second stays empty).
namespace LanguageManager {

inline constexpr int languageCount = 6;

// Creates the translators and picks the stored language, or the one of the
// system locale when none is stored.
void setupAtStartup();
// Installs the language's catalogue and stores the choice.
void setLanguage(Language language);
// Installs the language's catalogue for this process only and stores
// nothing: zentick-cli reads its texts through the English catalogue without
// changing the window's language.
void installCatalogue(Language language);
Language currentLanguage();

// "EN", "PL", "ES", "FR", "IT" or "DE"; "EN" for a number that names no language.
QString languageCode(Language language);
QString currentLanguageCode();
// Exact locale names only ("en_US" falls back to English).
Language languageForLocaleName(const QString &localeName);
// "translations/ZTK_xx.qm", relative to the working folder.
QString translationFileName(Language language);

} // namespace LanguageManager

using LanguageManager::setLanguage;
