#include "gui/widgets/waitpanel.h"

#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

namespace q7 {

WaitPanel::WaitPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("WaitPanel"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    setFixedSize(260, 90);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Please waitting connection "), this));
    layout->addWidget(new QLabel(QStringLiteral("......"), this));
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("WaitBar"));
    m_bar->setRange(0, 10);
    m_bar->setTextVisible(false);
    layout->addWidget(m_bar);
    hide();
}

void WaitPanel::pacedWait(int from, int to, int stepMs) { Wait(*this, stepMs).pace(from, to, to); }

WaitPanel::Wait::Wait(WaitPanel& panel, int stepMs) : m_panel(&panel), m_stepMs(stepMs)
{
    panel.m_waits.append(this);
    panel.show();
    panel.raise();
}

WaitPanel::Wait::~Wait()
{
    if (!m_panel)
        return;
    m_panel->m_waits.removeOne(this);
    if (m_panel->m_waits.isEmpty())
        m_panel->hide();
}

void WaitPanel::Wait::pace(int from, int to, int maximum)
{
    for (int position = from; position <= to && m_panel; ++position) {
        if (m_panel->m_waits.last() == this) {
            m_panel->m_bar->setMaximum(maximum);
            m_panel->m_bar->setValue(position);
        }
        emit m_panel->stepped(position);
        if (!m_panel)
            return;
        QEventLoop loop;
        QTimer::singleShot(int(m_stepMs * m_panel->m_timeScale), &loop, &QEventLoop::quit);
        loop.exec();
    }
}

}  // namespace q7
