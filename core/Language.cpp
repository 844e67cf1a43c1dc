#include "core/Language.h"

#include "core/ProgramFiles.h"
#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace LanguageManager {

namespace {

const QString keyLanguage = QStringLiteral("Common/appLanguage");
const QString keyChosenLanguage = QStringLiteral("Common/chosenLanguage");

Language g_language = Language::English;
QTranslator *g_translator = nullptr;
QTranslator *g_spareTranslator = nullptr;

void createTranslators()
{
    if (g_translator)
        return;
    // Parented to the application so they go with it; never deleted before.
    g_translator = new QTranslator(QCoreApplication::instance());
    g_spareTranslator = new QTranslator(QCoreApplication::instance());
}

// Relative to the working folder first; then beside the executable or in the
// installed data folder when the program was started from somewhere else.
bool loadCatalogue(QTranslator *translator, const QString &relativeFile)
{
    if (translator->load(relativeFile))
        return true;
    const QString shipped = ProgramFiles::locate(relativeFile);
    return !shipped.isEmpty() && translator->load(shipped);
}

} // namespace

QString languageCode(Language language)
{
    static const char *const codes[languageCount] = {"EN", "PL", "ES", "FR", "IT", "DE"};
    const int index = int(language);
    if (index < 1 || index >= languageCount)
        return QStringLiteral("EN");
    return QLatin1String(codes[index]);
}

QString currentLanguageCode()
{
    return languageCode(g_language);
}

Language currentLanguage()
{
    return g_language;
}

Language chosenLanguage()
{
    Language language = Language::English;
    languageForCode(SettingsStore::open()->value(keyChosenLanguage).toString(), &language);
    return language;
}

void choose(Language language)
{
    SettingsStore::open()->setValue(keyChosenLanguage, languageCode(language));
}

QString nativeName(Language language)
{
    static const char *const names[languageCount] = {"English",  "Polski",   "Español",
                                                     "Français", "Italiano", "Deutsch"};
    const int index = int(language);
    return QString::fromUtf8(names[index >= 0 && index < languageCount ? index : 0]);
}

QString translateIn(Language language, const char *context, const char *sourceText)
{
    QTranslator translator;
    loadCatalogue(&translator, translationFileName(language));
    const QString text = translator.translate(context, sourceText);
    return text.isEmpty() ? QString::fromUtf8(sourceText) : text;
}

bool languageForCode(const QString &code, Language *language)
{
    for (int i = 0; i < languageCount; ++i) {
        if (code.compare(languageCode(Language(i)), Qt::CaseInsensitive) == 0) {
            *language = Language(i);
            return true;
        }
    }
    return false;
}

Language languageForLocaleName(const QString &localeName)
{
    static const struct { const char *name; Language language; } locales[] = {
        {"pl_PL", Language::Polish},  {"en_EN", Language::English}, {"es_ES", Language::Spanish},
        {"fr_FR", Language::French},  {"it_IT", Language::Italian}, {"de_DE", Language::German},
    };
    for (const auto &locale : locales) {
        if (localeName == QLatin1String(locale.name))
            return locale.language;
    }
    return Language::English;
}

QString translationFileName(Language language)
{
    return QStringLiteral("translations/ZTK_") + languageCode(language).toLower() + QStringLiteral(".qm");
}

void installCatalogue(Language language)
{
    createTranslators();
    g_language = language;
    QCoreApplication::removeTranslator(g_translator);
    QCoreApplication::removeTranslator(g_spareTranslator);
    // A catalogue that does not load leaves the translator empty: English text.
    loadCatalogue(g_translator, translationFileName(language));
    QCoreApplication::installTranslator(g_translator);
    QCoreApplication::installTranslator(g_spareTranslator);
}

void setLanguage(Language language)
{
    installCatalogue(language);
    SettingsStore::open()->setValue(keyLanguage, int(language));
}

void setupAtStartup()
{
    createTranslators();
    const auto store = SettingsStore::open();
    if (store->contains(keyLanguage)) {
        setLanguage(Language(store->value(keyLanguage).toInt()));
        return;
    }
    // The default locale is the system one unless the program changed it.
    setLanguage(languageForLocaleName(QLocale().name()));
}

} // namespace LanguageManager
