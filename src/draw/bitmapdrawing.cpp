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

void copyRgb(const QImage& image, unsigned char* rgb)
{
    const QImage converted = image.convertToFormat(QImage::Format_RGB888);
    const size_t line = size_t(converted.width()) * 3;
    for (int y = 0; y < converted.height(); ++y)
        std::memcpy(rgb + size_t(y) * line, converted.constScanLine(y), line);
}

}  // namespace q7::messages
