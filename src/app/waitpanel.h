#pragma once
// The wait panel: shown while the tool gives players time to act. A paced wait steps the bar once
// per interval and keeps handling the window's events in between.

#include <QFrame>

class QProgressBar;

namespace q7 {

class WaitPanel : public QFrame {
    Q_OBJECT
public:
    explicit WaitPanel(QWidget* parent = nullptr);

    // Shows the panel, steps WaitBar from `from` to `to` with one pause of `stepMs` per step
    // (events keep flowing), then hides it. `stepMs` is scaled by the time scale (tests use 0).
    void pacedWait(int from, int to, int stepMs);

    void setTimeScale(double scale) { m_timeScale = scale; }

private:
    QProgressBar* m_bar = nullptr;
    double m_timeScale = 1.0;
};

}  // namespace q7
