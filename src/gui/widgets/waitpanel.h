#pragma once
// The wait panel: shown while the tool gives players time to act. It only shows; the commands time
// their waits themselves (timers, never a nested event loop), so the operator may start another
// command meanwhile: that one's wait then takes over the bar until it has ended. Cancel stops the
// command whose wait the bar shows. Below the fixed text it says what the shown wait is for and how
// many seconds it has left.

#include <QFrame>
#include <QList>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

namespace q7 {

class WaitPanel : public QFrame {
    Q_OBJECT
public:
    explicit WaitPanel(QWidget* parent = nullptr);

    // A command's turn on the panel, from its first wait until it has ended. The panel shows while
    // any turn is held; the turn taken last moves the bar, and Cancel calls its `cancel`, which is
    // to stop the command and release the turn. An earlier turn takes the bar back, at its own
    // position, once the later ones are released.
    using Turn = int;
    Turn take(std::function<void()> cancel);
    // The turn's wait stands at `position` of `maximum`; it waits `why` ("for the players to take
    // the file") and ends in `secondsLeft`.
    void step(Turn turn, int position, int maximum, const QString& why, int secondsLeft);
    void release(Turn turn);

signals:
    // Each step of every wait, shown on the bar or not.
    void stepped(int position);

private:
    struct Held {
        Turn turn;
        std::function<void()> cancel;
        int position = 0;
        int maximum = 0;
        QString detail = {};  // "Waiting for ...: 3 s left"
    };
    void showLatest();
    void cancelLatest();

    QLabel* m_detail = nullptr;
    QProgressBar* m_bar = nullptr;
    QPushButton* m_cancel = nullptr;
    QList<Held> m_turns;  // in the order they were taken
    Turn m_lastTurn = 0;
};

}  // namespace q7
