#include "gui/config/configexchange.h"

#include "core/base/textfile.h"
#include "core/config/addressfields.h"
#include "core/transfer/tftpcommand.h"
#include "gui/platform/localpath.h"
#include "gui/platform/shownphrase.h"
#include "gui/config/compareplayers.h"
#include "gui/config/configpage.h"
#include "gui/platform/dialogs.h"
#include "gui/transfer/commandrun.h"
#include "gui/transfer/playertransfers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <map>

namespace q7 {
namespace {

// An address names a local file; a "/" in a listed address must not lead into another folder.
QString fileSafe(QString address) { return address.replace(QLatin1Char('/'), QLatin1Char('_')); }


}  // namespace

ConfigExchange::ConfigExchange(ConfigPage& page, PlayerTransfers& players, Dialogs& dialogs)
    : QObject(&page), m_page(page), m_players(players), m_dialogs(dialogs)
{
    connect(page.backupButton(), &QPushButton::clicked, this, &ConfigExchange::backupFromPlayer);
    connect(page.restoreButton(), &QPushButton::clicked, this, &ConfigExchange::restoreToPlayer);
    connect(page.comparePlayersButton(), &QPushButton::clicked, this, &ConfigExchange::openComparePlayers);
}

QString ConfigExchange::localFile(const QString& name) const { return QDir(m_players.workingDir()).filePath(name); }

QString ConfigExchange::restoreFile(const QString& address) const
{
    return localFile(fileSafe(address) + QStringLiteral("_config.conf"));
}

bool ConfigExchange::removeStale(const QString& path)
{
    try {
        removeWorkingFile(localPath(path));
    } catch (const FileError& e) {
        m_dialogs.showError(shownText(e.phrase()));
        return false;
    }
    return true;
}

bool ConfigExchange::fetchConfig(int row, const commands::Command& command, const QObject* receiver,
                                 std::function<void(const CommandEnd&)> ended)
{
    // A copy left by an earlier fetch may come from another player that stood in that row, and
    // must never be taken for this player's answer.
    const std::string suffix(command.fetch()->suffix);
    for (int r = row < 0 ? 0 : row; r < (row < 0 ? m_players.rowCount() : row + 1); ++r)
        if (!removeStale(localFile(QString::fromStdString(fetchedFileName(r, suffix)))))
            return false;
    m_players.run(command, m_players.targets(row), {}, receiver, std::move(ended));
    return true;
}

bool ConfigExchange::loadIntoPages(const QString& path, const QString& name, const QString& address)
{
    const QFileInfo file(path);
    if (file.isFile()) {
        if (!m_page.loadConfigFrom(path))
            return false;
        m_page.showPlayerSource(name, address, file.lastModified());  // the copy was written as it arrived
    }
    m_page.runUpdateRules();
    return true;
}

void ConfigExchange::forgetSourceUnlessListed()
{
    const QStringList player = m_page.sourcePlayer();
    if (player.isEmpty())
        return;
    for (int row = 0; row < m_players.rowCount(); ++row)
        if (m_players.name(row) == player[0] && m_players.address(row) == player[1])
            return;
    m_page.clearSource();
}

void ConfigExchange::restoreTo(const QList<int>& rows, const commands::Command& command,
                               const QMap<int, QString>* ownFiles)
{
    if (rows.size() > 1 && !ownFiles && config::fixedAddress(m_page.fieldValues())) {
        //: %1 is the number of players selected (two or more).
        m_dialogs.showMessage(tr("The pages give a fixed IP address (Automatic IP \"Off\"): %1 players "
                                 "would all take the same address and be cut off.\n\nSelect one player, "
                                 "or keep each player's own IP address. Nothing was sent.")
                                  .arg(rows.size()));
        return;
    }
    // Every file is written before anything is sent; a player that is not served gets its file
    // written all the same, as Save Config File would.
    std::vector<commands::Target> targets;
    std::map<std::string, std::string> files;  // by address
    for (const int row : rows) {
        const QString file = restoreFile(m_players.address(row));
        if (!m_page.saveConfigTo(file))
            return;
        if (ownFiles && !keepOwnNetwork(file, ownFiles->value(row), m_players.address(row)))
            return;
        for (commands::Target& target : m_players.targets(row)) {
            files[target.address] = localPath(file);
            targets.push_back(std::move(target));
        }
    }
    commands::SequenceFiles sent;
    sent.perPlayer = [files](const commands::Target& target) { return files.at(target.address); };
    m_players.run(command, std::move(targets), std::move(sent));
}

bool ConfigExchange::keepOwnNetwork(const QString& file, const QString& own, const QString& address)
{
    std::optional<std::string> kept;
    try {
        if (!own.isEmpty())
            kept = config::withOwnNetwork(readTextFile(localPath(file)),
                                          readTextFile(localPath(own), config::kMaxConfigFileBytes));
        if (kept)
            replaceTextFile(localPath(file), *kept);
    } catch (const FileError& e) {
        m_dialogs.showError(shownText(e.phrase()));
        return false;
    }
    if (!kept)
        //: %1 is the player's IP address.
        m_dialogs.showMessage(tr("The network settings of %1 are not known: its configuration was not "
                                 "fetched or lacks them. Nothing was sent.")
                                  .arg(address));
    return kept.has_value();
}

void ConfigExchange::backupFromPlayer()
{
    const int row = m_players.firstCheckedRow();
    if (row < 0) {
        m_dialogs.showMessage(tr("Please select a drive first."));
        return;
    }
    fetchConfig(row, commands::backupCommand(), this, [this, row](const CommandEnd& end) {
        if (end.stopped)
            return;
        // The restore file written for this player no longer holds its configuration.
        for (const PlayerOutcome& player : end.players)
            if (!removeStale(restoreFile(QString::fromStdString(player.target.address))))
                return;
        const commands::Target* player = end.players.empty() ? nullptr : &end.players.front().target;
        loadIntoPages(localFile(QString::fromStdString(fetchedFileName(row, {}))),
                      player ? QString::fromStdString(player->name) : QString(),
                      player ? QString::fromStdString(player->address) : QString());
    });
}

void ConfigExchange::restoreToPlayer()
{
    const int row = m_players.firstCheckedRow();
    if (row < 0) {
        m_dialogs.showMessage(tr("Please select a driver."));
        return;
    }
    restoreTo({row}, commands::restoreCommand());
}

void ConfigExchange::openComparePlayers()
{
    if (!m_compare)
        m_compare = new ComparePlayers(*this, m_players, m_dialogs, m_page.codePage(), m_page.window());
    m_compare->show();
    m_compare->raise();
    m_compare->refresh();
}

}  // namespace q7
