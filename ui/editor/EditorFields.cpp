#include "ui/editor/EditorFields.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTimeEdit>

#include <cmath>

namespace EditorFields {

namespace {

// The time an invalid one is shown as.
const QTime shownForInvalid(0, 0);

// What the box shows for a value: clamped to its range, rounded to its decimals.
double shownOffset(const QDoubleSpinBox *box, float value)
{
    const double scale = std::pow(10.0, box->decimals());
    return std::round(qBound(box->minimum(), double(value), box->maximum()) * scale) / scale;
}

} // namespace

void setIndex(QComboBox *box, int value)
{
    box->setCurrentIndex(value >= 0 && value < box->count() ? value : -1);
}

int index(const QComboBox *box, int filled)
{
    const int current = box->currentIndex();
    return current < 0 ? filled : current;
}

void setNumber(QSpinBox *box, int value)
{
    box->setValue(value);
}

int number(const QSpinBox *box, int filled)
{
    return box->value() == qBound(box->minimum(), filled, box->maximum()) ? filled : box->value();
}

void setOffset(QDoubleSpinBox *box, float value)
{
    box->setValue(double(value));
}

float offset(const QDoubleSpinBox *box, float filled)
{
    // Half a step of the last decimal tells a rounding from a change.
    const double tolerance = 0.5 / std::pow(10.0, box->decimals());
    return std::abs(box->value() - shownOffset(box, filled)) < tolerance ? filled : float(box->value());
}

void setTime(QTimeEdit *edit, const QTime &value)
{
    edit->setTime(value.isValid() ? value : shownForInvalid);
}

QTime time(const QTimeEdit *edit, const QTime &filled)
{
    const QTime shown = filled.isValid() ? QTime(filled.hour(), filled.minute()) : shownForInvalid;
    return edit->time() == shown ? filled : edit->time();
}

QString text(const QLineEdit *edit, const QString &filled)
{
    if (!edit->isModified())
        return filled;
    const QString typed = edit->text();
    if (!edit->inputMask().isEmpty() && QString(typed).remove(QLatin1Char('.')).trimmed().isEmpty())
        return QString();
    return typed;
}

} // namespace EditorFields
