#pragma once

#include <QIcon>
#include <QPushButton>
#include <QStyle>

// A flat button whose icon is tinted for the theme, with the inverted tint
// while the pointer is over it or it is held down. The tint drawn follows
// the state the style sheet draws the background for, so the icon never
// disappears into it (after a click, a modal dialog, with focus).
class PushButtonFlat : public QPushButton
{
    Q_OBJECT

public:
    explicit PushButtonFlat(QWidget *parent = nullptr);
    explicit PushButtonFlat(const QString &text, QWidget *parent = nullptr);

    bool isHovered() const { return m_hovered; }
    bool isPressedFlat() const { return m_pressed; }
    // Rebuilds the normal and hover icons from the current icon.
    void refreshIcons();
    // The icon drawn in the given style state.
    QIcon iconFor(QStyle::State state) const;

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void setHovered(bool hovered);

    QIcon m_normalIcon;
    QIcon m_hoverIcon;
    bool m_pressed = false;
    bool m_hovered = false;
};
