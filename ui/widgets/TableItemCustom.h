#pragma once

#include <QList>
#include <QWidget>

class PushButtonFlat;
class QCheckBox;
class QComboBox;

namespace Ui {
class TableItemRow;
}

// A composite table cell: an optional icon, a text line and a smaller line
// below it, then any buttons, check boxes and combo boxes the page adds.
// Every signal carries the cell's row so one slot can serve a whole table.
class TableItemCustom : public QWidget
{
    Q_OBJECT

public:
    // kind chooses the tint of the button icons (0 ordinary, 1 or 2 inverted).
    explicit TableItemCustom(QWidget *parent = nullptr, int row = -1, const QString &text = QString(),
                             const QString &bottomText = QString(), int kind = 0);
    ~TableItemCustom() override;

    PushButtonFlat *addButton(const QString &iconPath, const QString &text = QString(),
                              const QString &toolTip = QString(), int minimumWidth = 0);
    QCheckBox *addCheckBox(bool checked);
    QComboBox *addComboBox(const QStringList &items, int currentIndex);

    void setIcon(const QPixmap &pixmap);
    void setTexts(const QString &text, const QString &bottomText);
    QString text() const;
    QString bottomText() const;
    void setRow(int row) { m_row = row; }
    int row() const { return m_row; }

    // The first check box.
    bool isChecked() const;
    void setChecked(bool checked);

    int comboIndex(int box) const;
    // Emits ComboboxIndexChanged like a choice of the user.
    void setComboIndex(int box, int index);
    // Keeps the box's index when the new list still has it; emits nothing.
    void setComboItems(int box, const QStringList &items);

    QList<PushButtonFlat *> buttons() const { return m_buttons; }
    QList<QCheckBox *> checkBoxes() const { return m_checkBoxes; }
    QList<QComboBox *> comboBoxes() const { return m_comboBoxes; }

    static constexpr int buttonIconSize = 16;
    static constexpr int checkBoxWidth = 15;

signals:
    void ButtonClicked(int row, int index);
    void ComboboxIndexChanged(int row, int index, int value);
    void LabelClicked(int row);
    void CheckboxClicked(bool clicked);

private slots:
    void buttonClicked();
    void comboBoxIndexChanged(int value);

private:
    Ui::TableItemRow *ui;
    int m_row;
    int m_kind;
    QList<PushButtonFlat *> m_buttons;
    QList<QCheckBox *> m_checkBoxes;
    QList<QComboBox *> m_comboBoxes;
};
