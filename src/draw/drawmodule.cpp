// The drawing module q7ctl loads for `bitmap` (draw/drawmodule.h).
#include "draw/drawmodule.h"

#include "draw/bitmapdrawing.h"

#include <QGuiApplication>
#include <cstdlib>
#include <type_traits>

namespace {

// The program draws without a display; one application object gives QPainter its fonts.
void ensureApplication()
{
    if (QGuiApplication::instance())
        return;
    if (!std::getenv("QT_QPA_PLATFORM"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "q7ctl";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

QColor fromBgr(uint32_t value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int q7DrawBitmapText(const q7::messages::DrawRequest* request,
                                                                       unsigned char* rgb)
{
    using namespace q7::messages;
    ensureApplication();
    QImage drawing(kStripWidth, kStripHeight, QImage::Format_RGB888);
    drawing.fill(Qt::white);
    QFont font(QString::fromUtf8(request->family));
    font.setPointSize(request->points);
    const QString text(reinterpret_cast<const QChar*>(request->text), qsizetype(request->length));
    const int width = drawBitmapText(drawing, text, font, fromBgr(request->fore), fromBgr(request->back));
    if (width <= kTextLimit)
        copyRgb(drawing, rgb);
    return width;
}

// The entry point's type is the one q7ctl calls it through.
static_assert(std::is_same_v<decltype(&q7DrawBitmapText), q7::messages::DrawBitmapFunction>);
