#pragma once
// The wait panel: shown while the tool gives players time to act. A paced wait steps the bar once
// per interval and keeps handling the window's events in between, so the operator may start
// another operation meanwhile; that one's wait then runs inside the first one's.

#include <QFrame>
#include <QList>
#include <QPointer>

class QProgressBar;

namespace q7 {

class WaitPanel : public QFrame {
    Q_OBJECT
public:
    // The waits of one operation, from its first paced wait until it hides the panel (ends or
    // goes out of scope). The panel shows while any Wait lives and hides when the last one ends;
    // the latest Wait begun moves the bar, an earlier one takes it back once the later ones end.
    class Wait {
    public:
        // `stepMs` is scaled by the panel's time scale (tests use 0).
        Wait(WaitPanel& panel, int stepMs);
        ~Wait();
        Wait(const Wait&) = delete;
        Wait& operator=(const Wait&) = delete;

        // Sets the bar's maximum, then for each position from `from` to `to` sets the bar, handles
        // pending events and pauses one step.
        void pace(int from, int to, int maximum);

    private:
        QPointer<WaitPanel> m_panel;
        int m_stepMs;
    };

    explicit WaitPanel(QWidget* parent = nullptr);

    // A wait on its own: shows the panel, steps the bar from `from` to `to` of `to`, hides it
    // (unless another wait still runs).
    void pacedWait(int from, int to, int stepMs);

    void setTimeScale(double scale) { m_timeScale = scale; }

signals:
    // Each step of every wait, before its pause.
    void stepped(int position);

private:
    QProgressBar* m_bar = nullptr;
    double m_timeScale = 1.0;
    QList<const Wait*> m_waits;  // alive, in the order they began
};

}  // namespace q7
