#include "board/BoardLanguage.h"

#include "core/ProgramFiles.h"

#include <QList>
#include <QMutex>
#include <QTranslator>

#include <algorithm>
#include <array>
#include <memory>

namespace BoardLanguage {

namespace {

bool languageOfTag(const QByteArray &tag, Language *language)
{
    // "de-CH" and "de" both name German.
    const QByteArray primary = tag.split('-').constFirst().trimmed();
    return primary.size() == 2 && LanguageManager::languageForCode(QString::fromLatin1(primary), language);
}

} // namespace

TextCatalogue catalogue(Language language)
{
    // Loaded once, whichever thread asks first.
    static QMutex loading;
    static std::array<std::unique_ptr<QTranslator>, LanguageManager::languageCount> translators;
    const int index = std::clamp(int(language), 0, LanguageManager::languageCount - 1);
    const QMutexLocker locked(&loading);
    if (!translators[size_t(index)]) {
        auto translator = std::make_unique<QTranslator>();
        const QString file = LanguageManager::translationFileName(Language(index));
        if (!translator->load(file)) {
            const QString shipped = ProgramFiles::locate(file);
            if (!shipped.isEmpty())
                translator->load(shipped);
        }
        translators[size_t(index)] = std::move(translator);
    }
    return TextCatalogue(translators[size_t(index)].get());
}

Language choose(const QByteArray &langParameter, const QByteArray &acceptLanguage)
{
    Language language = Language::English;
    if (languageOfTag(langParameter, &language))
        return language;
    struct Wanted { double weight; int order; Language language; };
    QList<Wanted> wanted;
    const QList<QByteArray> ranges = acceptLanguage.split(',');
    for (int i = 0; i < ranges.size() && i < 32; ++i) {
        const QList<QByteArray> parts = ranges.at(i).split(';');
        double weight = 1.0;
        for (int p = 1; p < parts.size(); ++p) {
            const QByteArray parameter = parts.at(p).trimmed();
            if (parameter.startsWith("q="))
                weight = parameter.mid(2).toDouble();
        }
        if (weight > 0 && languageOfTag(parts.constFirst(), &language))
            wanted.append({weight, i, language});
    }
    if (wanted.isEmpty())
        return Language::English;
    std::stable_sort(wanted.begin(), wanted.end(),
                     [](const Wanted &a, const Wanted &b) { return a.weight > b.weight; });
    return wanted.constFirst().language;
}

QByteArray tag(Language language)
{
    return LanguageManager::languageCode(language).toLower().toLatin1();
}

} // namespace BoardLanguage
