#include "gui/widgets/contextmenukeys.h"

#include <QAbstractItemView>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <algorithm>

namespace q7 {

bool asksForContextMenu(const QKeyEvent& event)
{
    return event.key() == Qt::Key_F10 && (event.modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier;
}

QPoint contextMenuPosition(const QAbstractItemView& view, const QContextMenuEvent& event)
{
    if (event.reason() != QContextMenuEvent::Keyboard)
        return event.globalPos();
    const QRect item = view.visualRect(view.currentIndex());
    const QWidget* viewport = view.viewport();
    // An item scrolled out of sight still gets its menu inside the list.
    const QPoint below = item.isValid() ? item.bottomLeft() : QPoint(0, 0);
    return viewport->mapToGlobal(QPoint(std::clamp(below.x(), 0, std::max(0, viewport->width() - 1)),
                                        std::clamp(below.y(), 0, std::max(0, viewport->height() - 1))));
}

}  // namespace q7
