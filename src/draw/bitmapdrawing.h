#pragma once
// The drawing step of the bitmap message, shared by the window's Bitmap Message sheet and q7ctl so
// that both send the same bytes for the same input: Qt Gui only (QImage, QPainter), no widgets.

#include "core/messages/bitmapfile.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

namespace q7::messages {

// Measures `typed` in `font` and returns its width. When the width is kTextLimit or less, `drawing`
// (kStripWidth x kStripHeight) is filled with `back` and the text drawn on it in `fore`, kTextLeft
// from the left edge and centred in height; a wider text leaves `drawing` as it was. The text is
// drawn as typed, all of Unicode with the font's fallbacks: the message is only pixels, so no code
// page stands between the operator's text and the player's screen.
int drawBitmapText(QImage& drawing, const QString& typed, const QFont& font, const QColor& fore, const QColor& back);

// Copies `image` into `rgb` as 3 bytes a pixel, red first, rows top-down.
void copyRgb(const QImage& image, unsigned char* rgb);

// The drawing as the strip the message file is cut from.
inline Strip stripFromImage(const QImage& image)
{
    Strip strip(image.width(), image.height());
    copyRgb(image, strip.rgb.data());
    return strip;
}

}  // namespace q7::messages
