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

// The drawing as the strip the message file is cut from.
Strip stripFromImage(const QImage& image);

}  // namespace q7::messages
