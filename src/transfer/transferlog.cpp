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
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void TransferLog::addLine(const QString& text, const QString& detail, bool failure)
{
    auto* item = new QListWidgetItem(QTime::currentTime().toString(QStringLiteral("hh:mm:ss ")) + text);
    item->setToolTip(detail.isEmpty() ? item->text() : detail);
    if (failure)
        item->setForeground(QColor(0xa0, 0x10, 0x10));
    addItem(item);
    while (count() > kMaxLines)
        delete takeItem(0);
    scrollToBottom();
}

}  // namespace q7
