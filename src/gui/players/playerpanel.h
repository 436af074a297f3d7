#pragma once
// The player side of the main window: the handlers of the player list, its pop-up menu and the
// Driver Setup dialog, the address sweep and the echo timer. The search runs in NetworkSearch
// (plain C++); its workers' results are posted to this object's thread, which alone changes the list.

#include "core/players/networksearch.h"

#include <QObject>
#include <map>
#include <optional>
#include <set>

class QComboBox;
class QProgressBar;
class QPushButton;
class QTimer;

namespace q7 {

class Dialogs;
class HistoryPanel;
class PlayerHistory;
class PlayerListView;
class PlayerDialog;
class TransferLog;

class PlayerPanel : public QObject {
    Q_OBJECT
public:
    // The main window's controls this panel drives.
    struct Controls {
        PlayerListView* list;
        QComboBox* localIPBox;
        QProgressBar* searchBar;
        QPushButton* searchButton;
        QTimer* pingTimer;
        PlayerDialog* dialog;
        TransferLog* log;  // each search's outcome is told here
    };

    // `waitScale` scales the spacing of sweep workers (tests run it at 0).
    PlayerPanel(const Controls& controls, Dialogs& dialogs, AddressResolver& resolver, EchoProbe& probe,
                double waitScale, QObject* parent);
    ~PlayerPanel() override;

    // Appends a player unless its address is listed or 256 players are; starts the echo timer.
    void addPlayer(const QString& name, const QString& address);
    // Sets the entry the dialog was opened to modify, wherever it stands now; starts the echo timer.
    void updateModifiedPlayer(const QString& name, const QString& address);
    // Removes the selected entries at once, leaving the echo timer alone. Without a selection nothing
    // happens.
    void removeSelectedPlayer();
    // "Undo" (Ctrl+Z): the entries the last Delete or Clear removed come back in their rows.
    void undoRemoval();

    void addFromMenu();
    void modifySelected();
    void deleteSelected();
    void clearPlayers();

    void startSearch();
    void echoTick();
    void applyEchoReport(const EchoReport& report);
    void addFoundPlayer(const FoundPlayer& found);

    // Records finds and online changes in `history` and offers each player's history from the
    // pop-up menu ("History"); without it nothing is recorded.
    void setHistory(PlayerHistory* history);
    void showHistory();

    // A sweep is being launched or workers are still resolving or probing.
    bool searching() const;
    // The addresses of the sweep being launched, host 2 to 254; empty when none is.
    std::vector<std::string> sweepList() const;
    // Closes the dialog without an answer and stops the sweep launch and every worker; results that
    // come later go nowhere.
    void shutDown();

signals:
    // An echo reply set an entry online.
    void playerOnline();

private:
    void startEchoTimer();
    // The Driver Setup dialog's OK: adds or changes an entry at once, as the dialog was opened for.
    void applyDialogAnswer(const QString& name, const QString& address);
    void launchStep();
    void rowCountChanged();
    // A sweep worker of search `sweep` has ended; the last one tells the log what the search found.
    void sweepResolved(int sweep, const std::string& address, bool player);

    Controls m_ui;
    Dialogs& m_dialogs;
    bool m_dialogModifies = false;  // the dialog was last opened by Modify, not by Add
    QString m_modifiedAddress;      // the address of the entry it was opened for
    PlayerHistory* m_history = nullptr;
    HistoryPanel* m_historyPanel = nullptr;
    QTimer* m_launchTimer = nullptr;
    std::optional<SweepLaunch> m_launch;
    // Each search's count of workers still out and of players found and newly listed.
    struct SweepTally {
        QString network;  // "192.168.1.0/24"
        size_t left = 0;
        int found = 0;
        int added = 0;
    };
    std::map<int, SweepTally> m_sweeps;
    int m_lastSweep = 0;
    std::set<std::string> m_newlyListed;  // found players listed, until their worker's end counts them
    NetworkSearch m_search;  // last: its workers are joined before the rest goes
};

}  // namespace q7
