#pragma once

#include "core/Language.h"
#include "http/HttpListener.h"

#include <QByteArray>
#include <QString>

// The board's page, script and style, built into the program. The page's
// words come from the catalogue of the chosen language; everything the page
// loads comes from the monitor itself, which the listener's headers enforce.
namespace BoardPage {

// "/", "/board.js" or "/board.css"; a 404 for anything else.
HttpListener::Response asset(const QByteArray &path, Language language);

// Text for an HTML text node or a double-quoted attribute.
QString escapeHtml(const QString &text);

} // namespace BoardPage
