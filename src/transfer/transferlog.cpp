#include "transfer/transferlog.h"

#include <QTime>

namespace q7 {
namespace {

constexpr int kMaxLines = 500;

}  // namespace

TransferLog::TransferLog(QWidget* parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("TransferLog"));
    setAccessibleName(QStringLiteral("Transfer log"));
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setUniformItemSizes(true);
}

void TransferLog::addLine(const QString& text, const QString& detail, bool failure)
{
    auto* item = new QListWidgetItem(QTime::currentTime().toString(QStringLiteral("hh:mm:ss ")) + text);
    // The list is narrow: the tooltip holds the whole line, and the command line behind it.
    item->setToolTip(detail.isEmpty() ? item->text() : item->text() + QLatin1Char('\n') + detail);
    if (failure)
        item->setForeground(QColor(0xa0, 0x10, 0x10));
    addItem(item);
    while (count() > kMaxLines)
        delete takeItem(0);
    scrollToBottom();
}

}  // namespace q7
