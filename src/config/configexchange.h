#pragma once
// "Backup config.conf from Q7" and "Restore config.conf to Q7" on the Configuration tab: the
// config file exchanged with the first checked player of the list, through the TFTP runner, with
// fixed waits for the player on the wait panel.

#include <QObject>
#include <QString>

namespace q7 {

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
    void BackupButtonClick();
    // Writes the pages to "<address>_config.conf", puts it to the player and has it adopt it.
    void RestoreButtonClick();

private:
    // The working-folder file of that name, for an address as the list shows it.
    QString localFile(const QString& name) const;
    // Removes a stale file; false (the error shown) when it stays.
    bool removeStale(const QString& path);

    ConfigPage& m_page;
    PlayerTransfers& m_players;
    WaitPanel& m_waitPanel;
    Dialogs& m_dialogs;
    QString m_commandFile;
};

}  // namespace q7
