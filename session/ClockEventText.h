#pragma once

#include "persistence/EventJournal.h"

#include <QString>

// What a journal event says, in the words of the program's language: for the
// history in the window and for `zentick-cli events`.
namespace ClockEventText {

QString describe(const ClockEvent &event);

} // namespace ClockEventText
