#pragma once

#include <QString>
#include <QTime>

class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QSpinBox;
class QTimeEdit;

// Filling and reading the editor's inputs so that opening a configuration
// and leaving it unchanged gives back exactly what was opened: a value the
// widget cannot show (an index outside its list, a duration or offset out
// of range, an invalid time, a master address the mask would mangle) is
// kept as long as the user leaves that widget alone.
namespace EditorFields {

// An index outside the list shows an empty box.
void setIndex(QComboBox *box, int value);
int index(const QComboBox *box, int filled);

void setNumber(QSpinBox *box, int value);
int number(const QSpinBox *box, int filled);

void setOffset(QDoubleSpinBox *box, float value);
float offset(const QDoubleSpinBox *box, float filled);

// An invalid time shows as 00:00.
void setTime(QTimeEdit *edit, const QTime &value);
QTime time(const QTimeEdit *edit, const QTime &filled);

// Text the user typed; the filled text otherwise. An address field whose
// mask leaves only its dots reads as empty.
QString text(const QLineEdit *edit, const QString &filled);

} // namespace EditorFields
