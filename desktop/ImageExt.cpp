#include "desktop/ImageExt.h"

#include <QColor>

ImageExt::ImageExt(const QImage &image)
    : QImage(image)
{
}

void ImageExt::colourise(const QColor &colour)
{
    if (isNull())
        return;
    if (format() != QImage::Format_ARGB32)
        static_cast<QImage &>(*this) = convertToFormat(QImage::Format_ARGB32);
    const QRgb rgb = colour.rgb() & RGB_MASK;
    for (int y = 0; y < height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(scanLine(y));
        for (int x = 0; x < width(); ++x)
            line[x] = (line[x] & 0xff000000u) | rgb;
    }
}
