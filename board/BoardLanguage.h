#pragma once

#include "core/Language.h"

#include <QByteArray>

class QTranslator;

// The board speaks the language a browser asks for, from the program's six
// catalogues, whatever language the monitor itself runs in.
namespace BoardLanguage {

// The ?lang= choice when it names a language, else the first language of
// Accept-Language (by weight) that the program has; English otherwise.
Language choose(const QByteArray &langParameter, const QByteArray &acceptLanguage);

// "en" .. "de", for the page's lang attribute and its links.
QByteArray tag(Language language);

// While it lives, translated texts come from the language's catalogue. Each
// catalogue is loaded once, on first use.
class Scope
{
public:
    explicit Scope(Language language);
    ~Scope();
    Scope(const Scope &) = delete;
    Scope &operator=(const Scope &) = delete;

private:
    QTranslator *m_translator;
};

} // namespace BoardLanguage
