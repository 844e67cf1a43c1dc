#pragma once

#include <QImage>

// An image whose visible pixels can be recoloured; used to tint the
// single-colour icons for the current theme.
class ImageExt : public QImage
{
public:
    using QImage::QImage;
    ImageExt(const QImage &image);

    // Every pixel takes the colour and keeps its own alpha.
    void colourise(const QColor &colour);
};
