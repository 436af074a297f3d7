#include "gui/config/configexchange.h"

#include "gui/widgets/waitpanel.h"
#include "core/base/textfile.h"
#include "gui/config/compareplayers.h"
#include "gui/config/configpage.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/localpath.h"
#include "gui/transfer/playertransfers.h"
#include "core/transfer/tftpcommand.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>

namespace q7 {
namespace {

// The player needs a few seconds for each step; the bar moves every 100 ms meanwhile.
constexpr int kStepMs = 100;

// An address names a local file; a "/" in a listed address must not lead into another folder.
QString fileSafe(QString address) { return address.replace(QLatin1Char('/'), QLatin1Char('_')); }

}  // namespace

ConfigExchange::ConfigExchange(ConfigPage& page, PlayerTransfers& players, WaitPanel& waitPanel, Dialogs& dialogs,
                               QString commandFile)
    : QObject(&page),
      m_page(page),
      m_players(players),
      m_waitPanel(waitPanel),
      m_dialogs(dialogs),
      m_commandFile(std::move(commandFile))
{
    connect(page.findChild<QPushButton*>(QStringLiteral("BackupButton")), &QPushButton::clicked, this,
            &ConfigExchange::backupFromPlayer);
    connect(page.findChild<QPushButton*>(QStringLiteral("RestoreButton")), &QPushButton::clicked, this,
            &ConfigExchange::restoreToPlayer);
    connect(page.findChild<QPushButton*>(QStringLiteral("ComparePlayersButton")), &QPushButton::clicked, this,
            &ConfigExchange::openComparePlayers);
}

QString ConfigExchange::localFile(const QString& name) const { return QDir(m_players.workingDir()).filePath(name); }

bool ConfigExchange::removeStale(const QString& path)
{
    try {
        removeWorkingFile(localPath(path));
    } catch (const FileError& e) {
        m_dialogs.showError(systemText(e.what()));
        return false;
    }
    return true;
}

std::optional<QString> ConfigExchange::fetchConfig(int row, const QString& suffix, const QString& caption)
{
    // A copy left by an earlier fetch may come from another player that stood in that row, and
    // must never be taken for this player's answer.
    for (int r = row < 0 ? 0 : row; r < (row < 0 ? m_players.rowCount() : row + 1); ++r)
        if (!removeStale(localFile(QString::fromStdString(fetchedFileName(r, suffix.toStdString())))))
            return std::nullopt;
    const QString served = m_players.put(m_commandFile, QStringLiteral("/saveconfig"), row,
                                         caption + QStringLiteral(" /saveconfig"));
    WaitPanel::Wait wait(m_waitPanel, kStepMs);
    wait.pace(0, 50, 100);
    m_players.get(QStringLiteral("/config.conf"), suffix, row, caption + QStringLiteral(" /config.conf"));
    wait.pace(51, 100, 100);
    return served;
}

bool ConfigExchange::loadIntoPages(const QString& path)
{
    if (QFileInfo(path).isFile() && !m_page.loadConfigFrom(path))
        return false;
    m_page.runUpdateRules();
    return true;
}

void ConfigExchange::restoreTo(const QList<int>& rows, const QString& caption)
{
    for (const int row : rows) {
        const QString file = localFile(fileSafe(m_players.address(row)) + QStringLiteral("_config.conf"));
        if (!m_page.saveConfigTo(file))
            return;
        m_players.put(file, QStringLiteral("/config.conf.put"), row, caption + QStringLiteral(" /config.conf.put"));
    }
    WaitPanel::Wait wait(m_waitPanel, kStepMs);
    wait.pace(0, 70, 70);
    for (const int row : rows)
        m_players.put(m_commandFile, QStringLiteral("/restoreconfig"), row, caption + QStringLiteral(" /restoreconfig"));
}

void ConfigExchange::backupFromPlayer()
{
    const int row = m_players.firstCheckedRow();
    if (row < 0) {
        m_dialogs.showMessage(QStringLiteral("Please select a drive first."));
        return;
    }
    const std::optional<QString> served = fetchConfig(row, {}, QStringLiteral("Backup"));
    // The restore file written for this player no longer holds its configuration.
    if (!served || (!served->isEmpty() && !removeStale(localFile(fileSafe(*served) + QStringLiteral("_config.conf")))))
        return;
    loadIntoPages(localFile(QString::fromStdString(fetchedFileName(row, {}))));
}

void ConfigExchange::restoreToPlayer()
{
    const int row = m_players.firstCheckedRow();
    if (row < 0) {
        m_dialogs.showMessage(QStringLiteral("Please select a driver."));
        return;
    }
    restoreTo({row}, QStringLiteral("Restore"));
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
