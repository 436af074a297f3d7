#include "players/playerlistview.h"

#include <QHeaderView>
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
    for (const auto& [name, caption] : {std::pair{"ADD1", "Add"}, {"Modify1", "Modify"}, {"Delete1", "Delete"},
                                        {"Clear1", "Clear"}}) {
        QAction* action = m_popup->addAction(QLatin1String(caption));
        action->setObjectName(QLatin1String(name));
    }
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_popup->popup(viewport()->mapToGlobal(at)); });
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
    if (!item)
        return;
    static const QIcon icons[2] = {stateIcon(Qt::lightGray), stateIcon(QColor(0, 170, 0))};
    item->setIcon(0, icons[online ? 1 : 0]);
    item->setData(0, Qt::UserRole, online ? 1 : 0);  // state icon index
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
