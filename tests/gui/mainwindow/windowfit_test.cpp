// The window on a screen smaller than its form: 1920 x 1080 at scale 2 is 960 x 540 pixels to the
// window, less than 775 x 610 and a frame. This program sets that screen up before Qt starts.
#include "gui/mainwindow/mainwindow.h"
#include "support/fakes.h"
#include "support/tempdir.h"

#include <QAbstractButton>
#include <QApplication>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace q7;
using namespace q7::test;

namespace {

// The form shows whole across and scrolls down; each button can be scrolled into view.
void expectReachable(QScrollArea& scroller, const QList<QWidget*>& buttons)
{
    EXPECT_EQ(scroller.viewport()->width(), scroller.widget()->width());
    EXPECT_LT(scroller.viewport()->height(), MainWindow::kHeight);
    for (QWidget* button : buttons) {
        scroller.ensureWidgetVisible(button, 0, 0);
        EXPECT_TRUE(scroller.viewport()->rect().contains(
            QRect(button->mapTo(scroller.viewport(), QPoint(0, 0)), button->size())))
            << button->objectName().toStdString() << " " << button->accessibleName().toStdString();
    }
}

QWidget* child(const MainWindow& window, const char* name)
{
    auto* widget = window.findChild<QWidget*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

TEST(WindowFit, shrinksOntoTheScreenAndScrollsToEveryButton)
{
    TempDir dir;
    FakePlatform platform{QString::fromStdString(dir.path())};
    MainWindow window(platform.services());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::sendPostedEvents();  // the fit once the frame is known

    const QRect area = window.screen()->availableGeometry();
    ASSERT_EQ(area.size(), QSize(960, 540));
    EXPECT_TRUE(area.contains(window.frameGeometry()));
    auto* scroller = window.findChild<QScrollArea*>(QStringLiteral("FormScroller"));
    ASSERT_NE(scroller, nullptr);
    expectReachable(*scroller, {child(window, "SearchQ7Button"), child(window, "Image2"), child(window, "Image4"),
                                child(window, "Image6")});
    // Every button of every page, sub-pages as they open.
    auto* pages = window.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        QList<QWidget*> shown;
        for (QAbstractButton* button : pages->widget(page)->findChildren<QAbstractButton*>())
            if (button->isVisibleTo(&window))
                shown << button;
        expectReachable(*scroller, shown);
    }

    // Narrowed and widened, the window follows the form and stays on the screen.
    QTest::mouseClick(child(window, "Image2"), Qt::LeftButton);
    EXPECT_TRUE(area.contains(window.frameGeometry()));
    expectReachable(*scroller, {child(window, "SearchQ7Button"), child(window, "Image5")});
    QTest::mouseClick(child(window, "Image5"), Qt::LeftButton);
    EXPECT_TRUE(area.contains(window.frameGeometry()));
    expectReachable(*scroller, {child(window, "Image2")});
}

}  // namespace

int main(int argc, char** argv)
{
    const TempDir dir;
    const std::string screens = dir.file("screens.json");
    writeBytes(screens, R"({"screens": [{"name": "wide", "width": 1920, "height": 1080, "logicalDpi": 96}]})");
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + QByteArray::fromStdString(screens));
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
