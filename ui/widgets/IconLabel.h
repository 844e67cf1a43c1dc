#pragma once

#include <QLabel>
#include <QPixmap>

// A logo label whose single-colour picture takes the theme's text colour and
// whose tool tip appears at once under the pointer.
class IconLabel : public QLabel
{
    Q_OBJECT

public:
    explicit IconLabel(QWidget *parent = nullptr);

    // Hides QLabel::setPixmap so that forms and callers get the tinted picture.
    void setPixmap(const QPixmap &pixmap);
    void setTint(bool tint);
    bool tint() const { return m_tint; }
    bool isHovered() const { return m_hovered; }

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void showPixmap();

    QPixmap m_source;
    bool m_tint = true;
    bool m_hovered = false;
};
