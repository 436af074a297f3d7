#include "gui/players/playerlistview.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QToolTip>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>

namespace q7 {
namespace {

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
    return QIcon(pixmap);
}

}  // namespace

PlayerListView::PlayerListView(QWidget* parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("ListView1"));
    setAccessibleName(QStringLiteral("Players"));
    setColumnCount(3);
    setHeaderLabels({QString(), QStringLiteral("Name"), QStringLiteral("IP Address")});
    header()->resizeSection(0, 40);
    header()->resizeSection(1, 120);
    header()->resizeSection(2, 100);
    setRootIsDecorated(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setStyleSheet(QStringLiteral("QTreeWidget { color: blue; } QTreeWidget::item { border: 1px solid #d0d0d0; }"));

    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("PopupMenu1"));
    const auto addAction = [this](const char* name, const char* caption) {
        QAction* action = m_popup->addAction(QLatin1String(caption));
        action->setObjectName(QLatin1String(name));
        return action;
    };
    m_actions = {addAction("ADD1", "Add"), addAction("Modify1", "Modify"), addAction("Delete1", "Delete"),
                 addAction("Clear1", "Clear")};
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_popup->popup(viewport()->mapToGlobal(at)); });

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
    const QString state = online ? QStringLiteral("Online") : QStringLiteral("Offline");
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
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : indexOfTopLevelItem(selected.first());
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

void PlayerListView::removeRow(int row)
{
    m_removing = true;
    delete takeTopLevelItem(row);
    // Nothing stays selected, as after deleting the selected entry of a report list.
    clearSelection();
    m_removing = false;
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
