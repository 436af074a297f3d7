#pragma once
// Five captions must fit side by side on each tab row of the window's fixed form. Only the tab bar
// carries this sheet: on a parent it would put every control below under the (slow) style sheet
// style.

#include <QTabBar>
#include <QTabWidget>

namespace q7 {

inline void fitCaptions(QTabWidget* tabs)
{
    tabs->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 4px 2px; }"));  // untranslated: a style sheet
}

}  // namespace q7
