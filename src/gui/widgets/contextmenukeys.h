#pragma once
// Context menus of the item lists from the keyboard. The platform turns the Menu key into a
// keyboard context-menu event; Shift+F10, the other usual key, the lists turn into one themselves.
// Such a menu opens at the current item, not wherever the mouse happens to be.

class QAbstractItemView;
class QContextMenuEvent;
class QKeyEvent;
class QPoint;

namespace q7 {

// Shift+F10, which asks for the context menu of the focused list.
bool asksForContextMenu(const QKeyEvent& event);
// Where the context menu of `view` opens, in global coordinates: at the mouse, or below the current
// item (the list's top left without one) when the keyboard asked.
QPoint contextMenuPosition(const QAbstractItemView& view, const QContextMenuEvent& event);

}  // namespace q7
