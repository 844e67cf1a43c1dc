#pragma once

#include "ui/frame/FramelessDialog.h"

namespace Ui {
class DialogCombobox;
}

// A dialog that asks for one choice from a list. selectedIndex stays -1
// unless OK was pressed.
class DialogCombobox : public FramelessDialog
{
    Q_OBJECT

public:
    explicit DialogCombobox(QWidget *parent = nullptr);
    ~DialogCombobox() override;

    void setButtons(const QString &okText, const QString &cancelText);
    void setTexts(const QString &info, const QString &info2, const QString &comboLabel, const QStringList &items);
    // The item shown first; none when index is out of range.
    void setCurrentItem(int index);
    int selectedIndex() const { return m_selectedIndex; }

private:
    // OK: the shown item is the choice.
    void choose();

    Ui::DialogCombobox *ui;
    int m_selectedIndex = -1;
};
