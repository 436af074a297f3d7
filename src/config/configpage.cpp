#include "config/configpage.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace q7 {

ConfigPage::ConfigPage(Dialogs& dialogs, QWidget* parent) : QWidget(parent), m_dialogs(dialogs)
{
    auto* layout = new QVBoxLayout(this);
    auto* version = new QLabel(QStringLiteral("Version : "), this);
    version->setObjectName(QStringLiteral("FWVersion"));
    layout->addWidget(version);
    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("ConfigPageControl"));
    for (const char* caption : {"Network Settings", "Misc1 Settings", "Misc2 Settings", "Misc3 Settings",
                                "Audio/Video Settings"})
        pages->addTab(new QWidget(pages), QString::fromLatin1(caption));
    layout->addWidget(pages, 1);
}

void ConfigPage::runUpdateRules() {}

}  // namespace q7
