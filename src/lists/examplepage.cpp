#include "lists/examplepage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QVBoxLayout>

namespace q7 {
namespace {
constexpr const char* kMakerAddress = "https://www.q7player.example";
}

ExamplePage::ExamplePage(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* sheets = new QTabWidget(this);
    sheets->setObjectName(QStringLiteral("ExamplePageControl"));
    for (const char* name : {"down.lst", "play.lst", "delete.lst", "update.q7", "upload.lst", "info.txt"}) {
        auto* notes = new QListWidget(sheets);
        notes->setSelectionMode(QAbstractItemView::NoSelection);
        notes->setAccessibleName(QLatin1String(name));
        sheets->addTab(notes, QLatin1String(name));
    }
    layout->addWidget(sheets, 1);

    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("PicturePanel"));
    panel->setVisible(false);
    auto* pictures = new QHBoxLayout(panel);
    for (const char* name : {"Image1", "Image3"}) {
        auto* picture = new QLabel(QStringLiteral("Q7"), panel);
        picture->setObjectName(QLatin1String(name));
        picture->setToolTip(QLatin1String(kMakerAddress));
        picture->setAlignment(Qt::AlignCenter);
        picture->setStyleSheet(QStringLiteral("font: bold 20px; color: #1a4b8c;"));
        pictures->addWidget(picture);
    }
    layout->addWidget(panel);
}

void ExamplePage::showPictures() { findChild<QWidget*>(QStringLiteral("PicturePanel"))->setVisible(true); }

}  // namespace q7
