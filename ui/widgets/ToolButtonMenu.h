#pragma once

#include <QColor>
#include <QToolButton>

// A tool button of the navigation and title bars. While selected it draws a
// bar along one side; colour, thickness and side come from the style sheet.
class ToolButtonMenu : public QToolButton
{
    Q_OBJECT
    Q_PROPERTY(QColor selectionColor READ selectionColor WRITE setSelectionColor)
    // The property name is spelled so in the style sheets.
    Q_PROPERTY(int seletionSize READ seletionSize WRITE setSeletionSize)
    Q_PROPERTY(QString selectionPosition READ selectionPosition WRITE setSelectionPosition)

public:
    enum Position { Bottom = 0, Top = 1, Left = 2, Right = 3 };

    explicit ToolButtonMenu(QWidget *parent = nullptr);

    QColor selectionColor() const { return m_selectionColor; }
    void setSelectionColor(const QColor &colour);
    int seletionSize() const { return m_selectionSize; }
    void setSeletionSize(int size);
    // "bottom", "top", "left" or "right"; anything else keeps the side.
    QString selectionPosition() const;
    void setSelectionPosition(const QString &position);

    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);

    // The bar drawn along the chosen side of a rectangle.
    static QRect selectionRect(const QRect &area, Position position, int size);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QColor m_selectionColor{68, 138, 255, 255};
    int m_selectionSize = 4;
    Position m_position = Bottom;
    bool m_selected = false;
};
