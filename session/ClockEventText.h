#pragma once

#include "persistence/EventJournal.h"
#include "values/TextCatalogue.h"

#include <QString>

// What a journal event says, in the words of the program's language (or of
// the catalogue given): for the history in the window, for `zentick-cli
// events` and for the board.
namespace ClockEventText {

QString describe(const ClockEvent &event, const TextCatalogue &texts = TextCatalogue());

} // namespace ClockEventText
