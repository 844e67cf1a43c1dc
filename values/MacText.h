#pragma once

#include <QString>

// Hardware addresses as the program writes them: "02-A7-3C-DC-00-00".
namespace MacText {

// Six hexadecimal pairs joined by "-" or ":"; returns them upper case joined
// by "-", or an empty string when the text is not one.
QString canonical(const QString &text);

// Whether the address can tell one clock from another: a real one, not the
// all-zero address a device reports before it has one.
bool isIdentity(const QString &mac);

} // namespace MacText
