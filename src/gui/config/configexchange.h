#pragma once
// "Backup config.conf from Q7" and "Restore config.conf to Q7" on the Configuration tab: the
// config file exchanged with the first checked player of the list, through the TFTP runner, with
// fixed waits for the player on the wait panel.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <optional>

namespace q7 {

class ComparePlayers;
class ConfigPage;
class Dialogs;
class PlayerTransfers;
class WaitPanel;

class ConfigExchange : public QObject {
    Q_OBJECT
public:
    // Handles the page's BackupButton and RestoreButton; `commandFile` is the empty command file.
    ConfigExchange(ConfigPage& page, PlayerTransfers& players, WaitPanel& waitPanel, Dialogs& dialogs,
                   QString commandFile);

    // Asks the player to save its configuration, fetches it into "Q7_<row>_" and loads it into
    // the pages, then runs the page rules.
    void backupFromPlayer();
    // Writes the pages to "<address>_config.conf", puts it to the player and has it adopt it.
    void restoreToPlayer();
    // Opens the Compare players window (or brings it up) and fetches every served player's
    // configuration into it.
    void openComparePlayers();

    // The steps the buttons and the compare window share. Asks the players of `row` (-1: every
    // served row) to save their configuration and fetches it into "Q7_<row>_<suffix>", stale
    // copies removed first, with the fixed waits on the wait panel; calls are logged as
    // "<caption> /saveconfig" and "<caption> /config.conf". Returns the address the save went to
    // last (empty: no row served), nothing when a stale copy stays (the error shown).
    std::optional<QString> fetchConfig(int row, const QString& suffix, const QString& caption);
    // Loads `path` into the pages when it exists and runs the page rules; false (the error shown)
    // when the file could not be read.
    bool loadIntoPages(const QString& path);
    // Writes the pages to "<address>_config.conf" for each row, puts it to that player and, after
    // one wait for all of them, has each adopt it.
    void restoreTo(const QList<int>& rows, const QString& caption);
    // The working-folder file of that name.
    QString localFile(const QString& name) const;

private:
    // Removes a stale file; false (the error shown) when it stays.
    bool removeStale(const QString& path);

    ConfigPage& m_page;
    PlayerTransfers& m_players;
    WaitPanel& m_waitPanel;
    Dialogs& m_dialogs;
    QString m_commandFile;
    QPointer<ComparePlayers> m_compare;
};

}  // namespace q7
