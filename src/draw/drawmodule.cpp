// The drawing module q7ctl loads for `bitmap` (draw/drawmodule.h).
#include "draw/drawmodule.h"

#include "draw/bitmapdrawing.h"

#include <QGuiApplication>
#include <cstdlib>
#include <type_traits>

namespace {

// Without XDG_RUNTIME_DIR (cron, su, a plain ssh command), or with an unusual one, Qt warns while
// it looks there for a display server. q7ctl draws offscreen and finds its own folders without Qt,
// so Qt's words on its standard paths concern nothing it does and are dropped.
QtMessageHandler g_qtMessages = nullptr;

void withoutStandardPathWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (g_qtMessages && !message.startsWith(u"QStandardPaths: "))
        g_qtMessages(type, context, message);
}

// The program draws without a display; one application object gives QPainter its fonts.
void ensureApplication()
{
    if (QGuiApplication::instance())
        return;
    if (!std::getenv("QT_QPA_PLATFORM"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    g_qtMessages = qInstallMessageHandler(withoutStandardPathWarnings);
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
