#pragma once

#include "core/Language.h"
#include "values/TextCatalogue.h"

#include <QByteArray>

// The board speaks the language a browser asks for, from the program's six
// catalogues, whatever language the monitor itself runs in.
namespace BoardLanguage {

// The ?lang= choice when it names a language, else the first language of
// Accept-Language (by weight) that the program has; English otherwise.
Language choose(const QByteArray &langParameter, const QByteArray &acceptLanguage);

// "en" .. "de", for the page's lang attribute and its links.
QByteArray tag(Language language);

// The language's catalogue, the board's own: never installed in the
// application, so requests in different languages can be answered side by
// side and the monitor's own language stays as it is. Each is loaded once,
// on first use.
TextCatalogue catalogue(Language language);

} // namespace BoardLanguage
