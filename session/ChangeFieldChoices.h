#pragma once

#include "model/ClockConfig.h"

#include <QString>
#include <QStringList>
#include <QVector>

// The fields a change to many clocks can set, as the configuration editor
// shows them: each with the editor's label, the kind of input that takes its
// value and, for a choice, the editor's texts. Values travel as
// ConfigFieldAccess's texts; shown() turns one into what the editor shows.
namespace ChangeFieldChoices {

enum class Kind { Flag, Choice, Number, Decimal, Time, Text };

struct Field
{
    QString name; // as ConfigFieldAccess names it
    QString label;
    Kind kind = Kind::Text;
    int list = -1; // ChoiceLists::List of a choice
    int minimum = 0;
    int maximum = 0;
};

// Every field of ConfigFieldAccess::names(), in its order.
const QVector<Field> &fields();
// Null for a name that is no field.
const Field *find(const QString &name);
// The choices of a choice field, translated; empty for other kinds.
QStringList choices(const Field &field);
// A value as the editor shows it: a choice by its text, on/off as "on"/"off"
// translated, anything else as it is.
QString shown(const QString &name, const QString &value);

} // namespace ChangeFieldChoices
