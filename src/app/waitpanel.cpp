#include "app/waitpanel.h"

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

void WaitPanel::pacedWait(int from, int to, int stepMs)
{
    show();
    raise();
    const int pause = int(stepMs * m_timeScale);
    for (int step = from; step <= to; ++step) {
        m_bar->setValue(step);
        QEventLoop loop;
        QTimer::singleShot(pause, &loop, &QEventLoop::quit);
        loop.exec();
    }
    hide();
}

}  // namespace q7
