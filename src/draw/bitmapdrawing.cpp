#include "draw/bitmapdrawing.h"

#include <QFontMetrics>
#include <QPainter>
#include <cstring>

namespace q7::messages {

int drawBitmapText(QImage& drawing, const QString& text, const QFont& font, const QColor& fore, const QColor& back)
{
    const QFontMetrics metrics(font, &drawing);
    const int width = metrics.horizontalAdvance(text);
    if (width > kTextLimit)
        return width;
    drawing.fill(back);
    QPainter painter(&drawing);
    painter.setFont(font);
    painter.setPen(fore);
    painter.drawText(kTextLeft, textTop(metrics.height()) + metrics.ascent(), text);
    return width;
}

Strip stripFromImage(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    Strip strip(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(&strip.rgb[size_t(y) * size_t(strip.width) * 3], rgb.constScanLine(y), size_t(strip.width) * 3);
    return strip;
}

}  // namespace q7::messages
