#pragma once

#include <QByteArray>

// Checks on the zip package of an .xlsx file, made before the parser sees it.
namespace WorkbookPackage {

// The zip reader allocates what an entry's header claims before it inflates
// anything, so a forged or damaged header could ask for gigabytes: every
// size in the central directory and in each local header must be within a
// bound. false also for a package whose directory does not hold together.
bool sizesWithinBounds(const QByteArray &bytes);

// The parser leaves inline-string cells empty; finding them takes a look at
// the sheet parts themselves.
bool holdsInlineStrings(const QByteArray &bytes);

} // namespace WorkbookPackage
