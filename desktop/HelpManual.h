#pragma once

#include "core/Language.h"

#include <QStringList>
#include <QUrl>

// Where Help finds the manual: the "manuals" folder beside the program (or in
// the installed data folder) holds "QLX Zentick <CODE>.pdf" per language; the
// current language's manual comes first, then the English one, and without
// either the project's web site.
namespace HelpManual {

// The manual files to try, in order.
QStringList candidates(const QString &programFolder, Language language);
// The first candidate that exists as a local file URL, else the web site.
QUrl target(const QString &programFolder, Language language);
// Opens target() for the running program and current language. False when
// nothing opened; notOpened then names the manual that no viewer took.
bool open(QString *notOpened = nullptr);

} // namespace HelpManual
