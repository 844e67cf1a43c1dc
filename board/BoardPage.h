#pragma once

#include "Language.h"
#include "MetricsHttpServer.h"

#include <QByteArray>
#include <QString>

// The board's page, script and style, built into the program. The page's
// words come from the catalogue of the chosen language; everything the page
// loads comes from the monitor itself, which the headers enforce.
namespace BoardPage {

// "/", "/board.js" or "/board.css"; a 404 for anything else.
MetricsHttpServer::Response asset(const QByteArray &path, Language language);

// The headers every board answer carries: no framing, no sniffing, no
// referrer, and a policy that lets the page run only its own script and style.
QByteArray securityHeaders();

// Text for an HTML text node or a double-quoted attribute.
QString escapeHtml(const QString &text);

} // namespace BoardPage
