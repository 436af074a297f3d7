#include "gui/transfer/transferlog.h"

#include "gui/widgets/contextmenukeys.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QTime>

namespace q7 {
namespace {

constexpr int kMaxLines = 500;
constexpr int kCallRole = Qt::UserRole;        // the call a line reports on
constexpr int kGroupRole = Qt::UserRole + 1;   // the original call of a retry
constexpr int kRetryRole = Qt::UserRole + 2;   // a summary whose failed players can be sent to again

}  // namespace

TransferLog::TransferLog(QWidget* parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("TransferLog"));
    setAccessibleName(tr("Transfer log"));
    // Focus and a current line let the keyboard reach a line and its "Retry failed".
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFocusPolicy(Qt::StrongFocus);
    setUniformItemSizes(true);
}

void TransferLog::addLine(const QString& text, const QString& detail, bool failure, int call, int retryOf,
                          bool summary)
{
    const QString time = QTime::currentTime().toString(QStringLiteral("hh:mm:ss "));
    //: A transfer log line of a retry: %1 is the line as the first attempt's would read.
    auto* item = new QListWidgetItem(time + (retryOf ? QStringLiteral("  ") + tr("retry: %1").arg(text) : text));
    // The list is narrow: the tooltip holds the whole line, and the command line behind it.
    item->setToolTip(detail.isEmpty() ? item->text() : item->text() + QLatin1Char('\n') + detail);
    if (failure)
        item->setForeground(QColor(0xa0, 0x10, 0x10));
    // A line belongs to its own call and to the call it retries, so retries of retries stay together.
    const int group = retryOf ? retryOf : call;
    item->setData(kCallRole, call);
    item->setData(kGroupRole, group);
    item->setData(kRetryRole, summary && failure && call > 0);
    int at = count();
    if (retryOf) {
        for (int row = count() - 1; row >= 0; --row)
            if (this->item(row)->data(kGroupRole).toInt() == group || this->item(row)->data(kCallRole).toInt() == group) {
                at = row + 1;
                break;
            }
    }
    insertItem(at, item);
    while (count() > kMaxLines)
        delete takeItem(0);
    if (at == count() - 1)
        scrollToBottom();
}

int TransferLog::retryableCall(int row) const
{
    const QListWidgetItem* line = item(row);
    return line && line->data(kRetryRole).toBool() ? line->data(kCallRole).toInt() : 0;
}

void TransferLog::keyPressEvent(QKeyEvent* event)
{
    if (!asksForContextMenu(*event))
        return QListWidget::keyPressEvent(event);
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(), QPoint(), event->modifiers());
    contextMenuEvent(&menu);
}

void TransferLog::contextMenuEvent(QContextMenuEvent* event)
{
    const bool keyboard = event->reason() == QContextMenuEvent::Keyboard;
    const int call = retryableCall(keyboard ? currentRow() : indexAt(event->pos()).row());
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    //: Menu item of a summary line: sends again to the players that failed.
    QAction* retry = menu->addAction(tr("Retry failed"));
    retry->setObjectName(QStringLiteral("RetryFailed1"));
    retry->setEnabled(call > 0);
    // Connected rather than read from exec(), so the item also works when triggered without a click
    // (a screen reader's "Press"), which closes the menu as a click does.
    connect(retry, &QAction::triggered, this, [this, menu, call] {
        menu->close();
        emit retryRequested(call);
    });
    menu->popup(contextMenuPosition(*this, *event));
}

}  // namespace q7
