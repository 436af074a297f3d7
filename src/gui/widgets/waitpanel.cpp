#include "gui/widgets/waitpanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace q7 {

WaitPanel::WaitPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("WaitPanel"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    setFixedSize(260, 130);  // room for the reason on two lines
    auto* layout = new QVBoxLayout(this);
    //: The wait panel's fixed heading while a command waits for the players (the English keeps its old wording).
    layout->addWidget(new QLabel(tr("Please waitting connection "), this));
    layout->addWidget(new QLabel(QStringLiteral("......"), this));
    m_detail = new QLabel(this);
    m_detail->setObjectName(QStringLiteral("WaitDetail"));
    m_detail->setWordWrap(true);
    layout->addWidget(m_detail);
    auto* row = new QHBoxLayout;
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("WaitBar"));
    m_bar->setRange(0, 10);
    m_bar->setTextVisible(false);
    row->addWidget(m_bar, 1);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("WaitCancelButton"));
    m_cancel->setAccessibleDescription(tr("Stops the command whose wait is shown"));
    row->addWidget(m_cancel);
    layout->addLayout(row);
    connect(m_cancel, &QPushButton::clicked, this, &WaitPanel::cancelLatest);
    hide();
}

WaitPanel::Turn WaitPanel::take(std::function<void()> cancel)
{
    const Turn turn = ++m_lastTurn;
    m_turns.append({turn, std::move(cancel)});
    show();
    raise();
    return turn;
}

void WaitPanel::step(Turn turn, int position, int maximum, const QString& why, int secondsLeft)
{
    for (Held& held : m_turns) {
        if (held.turn != turn)
            continue;
        held.position = position;
        held.maximum = maximum;
        //: %1 says what is awaited ("for the players to take the file", translated on its own), %2 seconds.
        held.detail = tr("Waiting %1: %2 s left").arg(why).arg(secondsLeft);
        if (&held == &m_turns.last())
            showLatest();
        break;
    }
    emit stepped(position);
}

void WaitPanel::release(Turn turn)
{
    m_turns.removeIf([turn](const Held& held) { return held.turn == turn; });
    if (m_turns.isEmpty())
        hide();
    else
        showLatest();
}

void WaitPanel::showLatest()
{
    const Held& latest = m_turns.last();
    m_bar->setMaximum(latest.maximum);
    m_bar->setValue(latest.position);
    m_detail->setText(latest.detail);
}

void WaitPanel::cancelLatest()
{
    if (m_turns.isEmpty())
        return;
    const std::function<void()> cancel = m_turns.last().cancel;  // releases the turn, so taken first
    if (cancel)
        cancel();
}

}  // namespace q7
