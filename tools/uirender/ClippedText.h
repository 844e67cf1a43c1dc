#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Finds text the user cannot read whole: a label, button, check box, radio
// button, tab, column header, table cell or line edit's placeholder whose
// text needs more room than it has. A
// text elided on purpose counts only when its full text is in neither the
// tool tip nor the accessible name. German and French run up to 40 % longer
// than English, so this is run over every scene in every language.
namespace ClippedText {

// One line per clipped text: the object's path, its text, the room it needs
// and the room it has.
QStringList find(QWidget *top);

} // namespace ClippedText
