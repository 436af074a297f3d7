#include "gui/players/historypanel.h"

#include "core/players/history.h"

#include <QDateTime>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace q7 {
namespace {

QString timeText(int64_t seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

}  // namespace

QString historyNote(PlayerHistory& history, const QString& address)
{
    const PlayerSummary summary = history.summary(address.toStdString());
    const QString seen = summary.lastSeen ? QStringLiteral("last seen ") + timeText(*summary.lastSeen).left(16)
                                          : QStringLiteral("never seen");
    return QStringLiteral("%1, %2 outage%3 in 7 days").arg(seen).arg(summary.outages).arg(summary.outages == 1 ? "" : "s");
}

HistoryPanel::HistoryPanel(PlayerHistory& history, QWidget* parent) : QDialog(parent), m_history(history)
{
    setObjectName(QStringLiteral("HistoryPanel"));
    setModal(false);
    resize(460, 360);
    auto* layout = new QVBoxLayout(this);
    m_events = new QTreeWidget(this);
    m_events->setObjectName(QStringLiteral("HistoryList"));
    m_events->setRootIsDecorated(false);
    m_events->setHeaderLabels({QStringLiteral("Time"), QStringLiteral("Event"), QStringLiteral("Detail")});
    m_events->header()->resizeSection(0, 140);
    m_events->header()->resizeSection(1, 70);
    m_events->setAccessibleName(QStringLiteral("Player history"));
    layout->addWidget(m_events);
}

void HistoryPanel::showFor(const QString& name, const QString& address)
{
    setWindowTitle(QStringLiteral("History of %1 (%2): %3").arg(name, address, historyNote(m_history, address)));
    m_events->clear();
    QList<QTreeWidgetItem*> rows;
    for (const HistoryEvent& event : m_history.events(address.toStdString()))
        rows << new QTreeWidgetItem({timeText(event.time), QString::fromLatin1(historyKindName(event.kind)),
                                     QString::fromStdString(event.detail)});
    m_events->addTopLevelItems(rows);
    show();
    raise();
}

}  // namespace q7
