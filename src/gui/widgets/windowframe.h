#pragma once
// Top-level windows on screens smaller than they would like (a laptop at a large scale).

#include <QMargins>
#include <QSize>

class QScreen;
class QWidget;

namespace q7 {

// The window's frame as the window manager drew it; until then, a title bar and border as the
// style draws them.
QMargins frameMarginsOrGuess(const QWidget& window);

// `preferred`, shrunk where the screen's available area, less the frame, is smaller.
QSize sizeWithin(const QWidget& window, const QScreen& screen, QSize preferred);

}  // namespace q7
