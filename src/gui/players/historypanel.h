#pragma once
// The history panel: a non-modal window listing one player's events, newest first.

#include <QDialog>

class QTreeWidget;

namespace q7 {

class PlayerHistory;

class HistoryPanel : public QDialog {
    Q_OBJECT
public:
    HistoryPanel(PlayerHistory& history, QWidget* parent = nullptr);
    // Shows (or refreshes) the events of the player at `address`.
    void showFor(const QString& name, const QString& address);

private:
    PlayerHistory& m_history;
    QTreeWidget* m_events = nullptr;
};

// "last seen 2026-12-07 23:10, 2 outages in 7 days", or "never seen, 0 outages in 7 days".
QString historyNote(PlayerHistory& history, const QString& address);

}  // namespace q7
