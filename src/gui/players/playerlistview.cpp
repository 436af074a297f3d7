#include "gui/players/playerlistview.h"

#include "gui/widgets/contextmenukeys.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QToolTip>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <algorithm>

namespace q7 {
namespace {

constexpr size_t kUndoLevels = 32;

// ImageList1: 0 offline (grey), 1 online (green).
QIcon stateIcon(const QColor& color)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(color);
    painter.setPen(color.darker(150));
    painter.drawEllipse(3, 3, 10, 10);
    QIcon icon(pixmap);
    icon.addPixmap(pixmap, QIcon::Selected);  // untinted in a selected row: the state stays readable
    return icon;
}

}  // namespace

PlayerListView::PlayerListView(QWidget* parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("ListView1"));
    setAccessibleName(tr("Players"));
    setColumnCount(3);
    setHeaderLabels({QString(), tr("Name"), tr("IP Address")});
    header()->resizeSection(0, 40);
    header()->resizeSection(1, 120);
    header()->resizeSection(2, 100);
    setRootIsDecorated(false);
    // Several rows for Ctrl+A and Shift/Ctrl clicks; a plain click or selectRow() still selects one.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The style sheet that draws the grid also decides the selection's colours: white on a strong
    // blue, whether or not the list has focus, so a selected row reads well. The check box column
    // keeps a pale shade and the blue check mark, which white would wash out.
    // untranslated: a style sheet, as are its next lines
    setStyleSheet(QStringLiteral("QTreeWidget { color: blue; } QTreeWidget::item { border: 1px solid #d0d0d0; }"
                                 // untranslated: the selection
                                 " QTreeWidget::item:selected { background: #1f4e9c; color: white; }"
                                 // untranslated: the selection's check box column
                                 " QTreeWidget::item:selected:first { background: #c8d6ef; color: blue; }"));

    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("PopupMenu1"));
    const auto addAction = [this](const char* name, const QString& caption) {
        QAction* action = m_popup->addAction(caption);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    //: Menu items of the player list: add a player, change the selected one, remove the selected ones,
    //: remove all, bring back the last removed.
    m_actions = {addAction("ADD1", tr("Add")), addAction("Modify1", tr("Modify")), addAction("Delete1", tr("Delete")),
                 addAction("Clear1", tr("Clear")), addAction("Undo1", tr("Undo"))};
    m_actions.undo->setShortcut(QKeySequence::Undo);
    m_actions.undo->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_actions.undo->setEnabled(false);
    QWidget::addAction(m_actions.undo);  // Ctrl+Z in the list, menu open or not
    // An item triggered without a click (a screen reader's "Press") closes the menu too.
    connect(m_popup, &QMenu::triggered, m_popup, &QMenu::hide);

    connect(this, &QTreeWidget::itemChanged, this, &PlayerListView::notifyChange);
    connect(this, &QTreeWidget::itemSelectionChanged, this, &PlayerListView::notifyChange);
}

// Tearing down the rows is no change anyone should react to.
PlayerListView::~PlayerListView() { blockSignals(true); }

void PlayerListView::notifyChange()
{
    if (!m_removing)
        emit changed();
}

AddOutcome PlayerListView::addPlayer(const QString& name, const QString& address, size_t limit)
{
    const AddOutcome outcome = checkAddPlayer(addresses(), address.toStdString(), limit);
    if (outcome != AddOutcome::Added)
        return outcome;
    auto* item = new QTreeWidgetItem({address, name, address});
    addTopLevelItem(item);
    setOnline(topLevelItemCount() - 1, false);
    item->setFlags((item->flags() | Qt::ItemIsUserCheckable) & ~Qt::ItemIsEditable);
    item->setCheckState(0, Qt::Unchecked);
    return outcome;
}

bool PlayerListView::isOnline(int row) const
{
    const QTreeWidgetItem* item = topLevelItem(row);
    return item && item->data(0, Qt::UserRole).toInt() == 1;
}

void PlayerListView::setOnline(int row, bool online)
{
    QTreeWidgetItem* item = topLevelItem(row);
    const QVariant index = online ? 1 : 0;  // state icon index
    if (!item || item->data(0, Qt::UserRole) == index)
        return;  // an unchanged icon is no change of the list
    static const QIcon icons[2] = {stateIcon(Qt::lightGray), stateIcon(QColor(0, 170, 0))};
    // The icon's meaning for those who cannot see it.
    const QString state = online ? tr("Online") : tr("Offline");
    item->setToolTip(0, state);
    item->setData(0, Qt::AccessibleDescriptionRole, state);
    item->setData(0, Qt::UserRole, index);
    item->setIcon(0, icons[online ? 1 : 0]);
}

bool PlayerListView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && m_historyNote) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (const QTreeWidgetItem* item = itemAt(help->pos())) {
            QToolTip::showText(help->globalPos(), item->toolTip(0) + QStringLiteral(": ") + m_historyNote(item->text(2)),
                               viewport());
            return true;
        }
    }
    return QTreeWidget::viewportEvent(event);
}

int PlayerListView::selectedRow() const
{
    if (QTreeWidgetItem* current = currentItem(); current && current->isSelected())
        return indexOfTopLevelItem(current);
    const std::vector<int> rows = selectedRows();
    return rows.empty() ? -1 : rows.front();
}

std::vector<int> PlayerListView::selectedRows() const
{
    std::vector<int> rows;
    for (QTreeWidgetItem* item : selectedItems())
        rows.push_back(indexOfTopLevelItem(item));
    std::sort(rows.begin(), rows.end());
    return rows;
}

void PlayerListView::selectRow(int row)
{
    if (QTreeWidgetItem* item = topLevelItem(row))
        setCurrentItem(item);
}

void PlayerListView::setPlayer(int row, const QString& name, const QString& address)
{
    if (QTreeWidgetItem* item = topLevelItem(row)) {
        item->setText(1, name);
        item->setText(2, address);
    }
}

void PlayerListView::removeRows(std::vector<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    Removal removal;
    m_removing = true;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        if (QTreeWidgetItem* item = takeTopLevelItem(*row))
            removal.emplace_back(*row, item);
    // Nothing stays selected, as after deleting the selected entry of a report list.
    clearSelection();
    m_removing = false;
    if (removal.empty())
        return;
    std::reverse(removal.begin(), removal.end());
    m_removals.push_back(std::move(removal));
    if (m_removals.size() > kUndoLevels)
        m_removals.pop_front();
    m_actions.undo->setEnabled(true);
}

void PlayerListView::restoreRemoved()
{
    if (m_removals.empty())
        return;
    Removal removal = std::move(m_removals.back());
    m_removals.pop_back();
    m_actions.undo->setEnabled(!m_removals.empty());
    // In list order, each at its old row: rows between them are back in place before it.
    for (auto& [row, item] : removal)
        if (checkAddPlayer(addresses(), item->text(2).toStdString(), kMaxPlayers) == AddOutcome::Added)
            insertTopLevelItem(std::min(row, topLevelItemCount()), item.release());
}

void PlayerListView::keyPressEvent(QKeyEvent* event)
{
    if (asksForContextMenu(*event)) {
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(), QPoint(), event->modifiers());
        contextMenuEvent(&menu);
    } else if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        toggleCurrentCheck();
    } else {
        QTreeWidget::keyPressEvent(event);
    }
}

// Whichever column the current cell is in, Space is for the row's check box.
void PlayerListView::toggleCurrentCheck()
{
    if (QTreeWidgetItem* item = currentItem())
        item->setCheckState(0, item->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

void PlayerListView::contextMenuEvent(QContextMenuEvent* event)
{
    m_popup->popup(contextMenuPosition(*this, *event));
}

void PlayerListView::keyReleaseEvent(QKeyEvent* event)
{
    const bool keypadDecimal = (event->modifiers() & Qt::KeypadModifier) &&
                               (event->key() == Qt::Key_Period || event->key() == Qt::Key_Comma);
    if (event->key() == Qt::Key_Delete || keypadDecimal)
        emit deleteKeyReleased();
    QTreeWidget::keyReleaseEvent(event);
}

std::vector<PlayerEntry> PlayerListView::entries() const
{
    std::vector<PlayerEntry> result;
    result.reserve(size_t(topLevelItemCount()));
    for (int row = 0; row < topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = topLevelItem(row);
        result.push_back({item->text(1).toStdString(), item->text(2).toStdString(),
                          item->checkState(0) == Qt::Checked, isOnline(row)});
    }
    return result;
}

std::vector<StoredPlayer> PlayerListView::players() const
{
    std::vector<StoredPlayer> result;
    result.reserve(size_t(topLevelItemCount()));
    for (int row = 0; row < topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = topLevelItem(row);
        result.push_back({item->text(1).toStdString(), item->text(2).toStdString()});
    }
    return result;
}

std::vector<std::string> PlayerListView::addresses() const
{
    std::vector<std::string> result;
    result.reserve(size_t(topLevelItemCount()));
    for (int row = 0; row < topLevelItemCount(); ++row)
        result.push_back(topLevelItem(row)->text(2).toStdString());
    return result;
}

}  // namespace q7
