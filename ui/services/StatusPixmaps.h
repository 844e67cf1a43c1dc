#pragma once

#include <QColor>
#include <QPixmap>

#include <array>

// The status icons of the device table: good, warning and critical, each
// tinted with the theme's colour for it. One set in the page services; the
// window rebuilds it from its style sheet's colours for each theme.
class StatusPixmaps
{
public:
    static constexpr int count = 3;

    void rebuild(const QColor &good, const QColor &warning, const QColor &critical);
    // A null pixmap for a severity outside 0..2, so no caller can read past
    // the three icons.
    QPixmap pixmap(int severity) const;

private:
    std::array<QPixmap, count> m_pixmaps;
};
