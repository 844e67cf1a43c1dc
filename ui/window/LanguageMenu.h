#pragma once

#include "core/Language.h"

#include <QCoreApplication>

#include <functional>

class QMenu;

// The six languages as a menu, each named in its own language and the
// chosen one ticked; used by the title bar's button and the tray.
class LanguageMenu
{
    Q_DECLARE_TR_FUNCTIONS(LanguageMenu)

public:
    static void fill(QMenu &menu, const std::function<void(Language)> &onChosen);
    // Stores the choice. The window is built in one language, so the choice
    // takes effect at its next start; the returned notice says so in the
    // chosen language (empty when nothing changed).
    static QString choose(Language language);
};
