#include "ui/widgets/DoubleSpinBoxCustom.h"

#include <QKeyEvent>

DoubleSpinBoxCustom::DoubleSpinBoxCustom(QWidget *parent)
    : QDoubleSpinBox(parent)
{
    // In a locale whose decimal mark is the point, the comma typed for it
    // would be read as a group separator and "1.5" would become 15; so the
    // box keeps a comma locale of its own, without group separators.
    if (locale().decimalPoint() != QLatin1Char(',')) {
        QLocale commaLocale(QLocale::German, QLocale::Germany);
        commaLocale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
        setLocale(commaLocale);
    }
}

void DoubleSpinBoxCustom::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Period) {
        QKeyEvent comma(QEvent::KeyPress, Qt::Key_Comma, event->modifiers(), QStringLiteral(","),
                        event->isAutoRepeat(), ushort(event->count()));
        QDoubleSpinBox::keyPressEvent(&comma);
        event->setAccepted(comma.isAccepted());
        return;
    }
    QDoubleSpinBox::keyPressEvent(event);
}
