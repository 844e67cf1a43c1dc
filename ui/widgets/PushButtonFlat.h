#pragma once

#include <QIcon>
#include <QPushButton>

// A flat button whose icon is tinted for the theme, with the inverted tint
// while the pointer is over it or it is held down.
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

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
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
