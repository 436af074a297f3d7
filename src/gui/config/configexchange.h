#pragma once
// "Backup config.conf from Q7" and "Restore config.conf to Q7" on the Configuration tab: the
// config file exchanged with the first checked player of the list, through the command table's
// Backup and Restore commands, which give the player fixed waits on the wait panel.

#include "core/commands/sequence.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

namespace q7 {

class ComparePlayers;
class ConfigPage;
class Dialogs;
class PlayerTransfers;
struct CommandEnd;

class ConfigExchange : public QObject {
    Q_OBJECT
public:
    // Handles the page's Backup, Restore and Compare players buttons.
    ConfigExchange(ConfigPage& page, PlayerTransfers& players, Dialogs& dialogs);

    // Asks the player to save its configuration, fetches it into "Q7_<row>_" and, once the command
    // has ended, loads it into the pages and runs the page rules.
    void backupFromPlayer();
    // Writes the pages to "<address>_config.conf", puts it to the player and has it adopt it.
    void restoreToPlayer();
    // Opens the Compare players window (or brings it up) and fetches every served player's
    // configuration into it.
    void openComparePlayers();

    // The steps the buttons and the compare window share. Runs `command` (Backup's steps) for the
    // served players of `row` (-1: every served row), stale copies of its fetch removed first;
    // `ended` hears of its end (through `receiver`). False, with the error shown and nothing sent,
    // when a stale copy stays.
    bool fetchConfig(int row, const commands::Command& command, const QObject* receiver,
                     std::function<void(const CommandEnd&)> ended);
    // Loads `path`, fetched from the player `name` at `address`, into the pages when it exists and
    // runs the page rules; the page then names the player. False (the error shown) when the file
    // could not be read.
    bool loadIntoPages(const QString& path, const QString& name, const QString& address);
    // The page stops naming the player its configuration came from once the list no longer holds
    // that player under that name.
    void forgetSourceUnlessListed();
    // Writes the pages to "<address>_config.conf" for each row, puts it to each served one and,
    // after one wait for all of them, has each adopt it (`command`: Restore's steps). Pages with a
    // fixed IP address (Automatic IP "Off") are refused for several rows, unless `ownFiles` gives
    // each row the configuration fetched from its player: then each file keeps that player's own
    // network settings. Nothing is sent when a file cannot be made.
    void restoreTo(const QList<int>& rows, const commands::Command& command,
                   const QMap<int, QString>* ownFiles = nullptr);
    // The working-folder file of that name.
    QString localFile(const QString& name) const;

private:
    // Removes a stale file; false (the error shown) when it stays.
    bool removeStale(const QString& path);
    QString restoreFile(const QString& address) const;
    // Gives the written `file` the network settings of `own` (the player's fetched configuration);
    // false (the problem shown) when it cannot.
    bool keepOwnNetwork(const QString& file, const QString& own, const QString& address);

    ConfigPage& m_page;
    PlayerTransfers& m_players;
    Dialogs& m_dialogs;
    QPointer<ComparePlayers> m_compare;
};

}  // namespace q7
