#pragma once

#include <QString>

// Text a clock supplies (its name, its replies) on its way into a log line:
// a line feed in a clock's name must not forge a second line, nor an escape
// sequence recolour the operator's terminal.
namespace LogText {

// CR, LF, TAB and every other control character (C0, DEL, C1), the line and
// paragraph separators and the bidirectional overrides as "\r", "\n", "\t"
// or "\xHH" / "\u2028" / "\u202E"; a
// backslash doubled, so the escapes cannot be forged either.
QString escaped(const QString &text);

} // namespace LogText
