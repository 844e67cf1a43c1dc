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

// The user's own choice, kept apart from "Common/appLanguage" (which start-up
// fills from the system locale): stored as its code, so a value from another
// version cannot be mistaken for one. Nothing chosen, or a code this version
// does not know, reads as English.
Language chosenLanguage();
// Stores the choice; the window takes it at its next start.
void choose(Language language);
// The language's own name for itself ("Deutsch"), never translated.
QString nativeName(Language language);
// The source text in the language's catalogue, without installing it.
QString translateIn(Language language, const char *context, const char *sourceText);
// "DE" or "de" names German; anything else is no language.
bool languageForCode(const QString &code, Language *language);

// "EN", "PL", "ES", "FR", "IT" or "DE"; "EN" for a number that names no language.
QString languageCode(Language language);
QString currentLanguageCode();
// Exact locale names only ("en_US" falls back to English).
Language languageForLocaleName(const QString &localeName);
// "translations/ZTK_xx.qm", relative to the working folder.
QString translationFileName(Language language);

} // namespace LanguageManager

using LanguageManager::setLanguage;
