#pragma once

#include <QDoubleSpinBox>

// A number box with a decimal comma in which the point key (main or keypad)
// also enters the comma.
class DoubleSpinBoxCustom : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit DoubleSpinBoxCustom(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
