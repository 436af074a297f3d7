#include "gui/players/historypanel.h"

#include "core/players/history.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace q7 {
namespace {

QString timeText(int64_t seconds)
{
    // untranslated: a date format
    return QDateTime::fromSecsSinceEpoch(seconds).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

}  // namespace

QString historyNote(PlayerHistory& history, const QString& address)
{
    const PlayerSummary summary = history.summary(address.toStdString());
    //: Player history note: %1 is a date and time ("2026-12-07 23:10").
    const QString seen =
        summary.lastSeen
            ? QCoreApplication::translate("PlayerHistory", "last seen %1").arg(timeText(*summary.lastSeen).left(16))
            //: Player history note: the player never answered.
            : QCoreApplication::translate("PlayerHistory", "never seen");
    //: Player history note: %1 is "last seen ..." or "never seen", %2 the number of times the player went offline.
    return (summary.outages == 1 ? QCoreApplication::translate("PlayerHistory", "%1, %2 outage in 7 days")
                                 : QCoreApplication::translate("PlayerHistory", "%1, %2 outages in 7 days"))
        .arg(seen)
        .arg(summary.outages);
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
    m_events->setHeaderLabels({tr("Time"), tr("Event"), tr("Detail")});
    m_events->header()->resizeSection(0, 140);
    m_events->header()->resizeSection(1, 70);
    m_events->setAccessibleName(tr("Player history"));
    layout->addWidget(m_events);
}

void HistoryPanel::showFor(const QString& name, const QString& address)
{
    //: %1 the player's name, %2 its address, %3 the note "last seen ..., N outages in 7 days".
    setWindowTitle(tr("History of %1 (%2): %3").arg(name, address, historyNote(m_history, address)));
    m_events->clear();
    QList<QTreeWidgetItem*> rows;
    for (const HistoryEvent& event : m_history.events(address.toStdString()))
        rows << new QTreeWidgetItem({timeText(event.time),
                                     QCoreApplication::translate("PlayerHistory", historyKindName(event.kind)),
                                     QString::fromStdString(event.detail)});
    m_events->addTopLevelItems(rows);
    show();
    raise();
}

}  // namespace q7
