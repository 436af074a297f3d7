#include "gui/widgets/windowframe.h"

#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>

namespace q7 {

QMargins frameMarginsOrGuess(const QWidget& window)
{
    if (const QWindow* handle = window.windowHandle(); handle && !handle->frameMargins().isNull())
        return handle->frameMargins();
    const int border = window.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, &window);
    return {border, window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window) + border, border, border};
}

QSize sizeWithin(const QWidget& window, const QScreen& screen, QSize preferred)
{
    return preferred.boundedTo(screen.availableGeometry().size().shrunkBy(frameMarginsOrGuess(window)));
}

}  // namespace q7
