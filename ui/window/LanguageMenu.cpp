#include "ui/window/LanguageMenu.h"

#include <QActionGroup>
#include <QMenu>

void LanguageMenu::fill(QMenu &menu, const std::function<void(Language)> &onChosen)
{
    auto *group = new QActionGroup(&menu);
    const Language chosen = LanguageManager::chosenLanguage();
    for (int i = 0; i < LanguageManager::languageCount; ++i) {
        const Language language = Language(i);
        QAction *action = menu.addAction(LanguageManager::nativeName(language));
        action->setCheckable(true);
        action->setChecked(language == chosen);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, &menu, [onChosen, language] { onChosen(language); });
    }
}

QString LanguageMenu::choose(Language language)
{
    if (language == LanguageManager::chosenLanguage())
        return QString();
    LanguageManager::choose(language);
    // Said in the language just chosen: the reader may not know the current one.
    return LanguageManager::translateIn(language, "LanguageMenu", QT_TR_NOOP("%1 applies at the next start."))
        .arg(LanguageManager::nativeName(language));
}
