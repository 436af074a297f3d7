#include "config/configexchange.h"

#include "app/waitpanel.h"
#include "base/textfile.h"
#include "config/configpage.h"
#include "platform/dialogs.h"
#include "transfer/playertransfers.h"
#include "transfer/tftpcommand.h"

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
            &ConfigExchange::BackupButtonClick);
    connect(page.findChild<QPushButton*>(QStringLiteral("RestoreButton")), &QPushButton::clicked, this,
            &ConfigExchange::RestoreButtonClick);
}

QString ConfigExchange::localFile(const QString& name) const { return QDir(m_players.workingDir()).filePath(name); }

bool ConfigExchange::removeStale(const QString& path)
{
    try {
        removeWorkingFile(QFile::encodeName(path).toStdString());
    } catch (const FileError& e) {
        m_dialogs.showError(QString::fromLocal8Bit(e.what()));
        return false;
    }
    return true;
}

void ConfigExchange::BackupButtonClick()
{
    const int row = m_players.firstCheckedRow();
    if (row < 0) {
        m_dialogs.showMessage(QStringLiteral("Please select a drive first."));
        return;
    }
    const QString served = m_players.put(m_commandFile, QStringLiteral("/saveconfig"), row,
                                         QStringLiteral("Backup /saveconfig"));
    // The restore file written for this player no longer holds its configuration. A copy left by
    // an earlier backup of this row goes too: it may come from another player that stood in this
    // row, and must never be loaded as this player's answer.
    if (!served.isEmpty() && !removeStale(localFile(fileSafe(served) + QStringLiteral("_config.conf"))))
        return;
    if (!removeStale(localFile(QString::fromStdString(fetchedFileName(row, {})))))
        return;

    QString fetched;
    {
        WaitPanel::Wait wait(m_waitPanel, kStepMs);
        wait.pace(0, 50, 100);
        fetched = m_players.get(QStringLiteral("/config.conf"), QString(), row, QStringLiteral("Backup /config.conf"));
        wait.pace(51, 100, 100);
    }
    if (!fetched.isEmpty() && QFileInfo(localFile(fetched)).isFile() && !m_page.loadConfigFrom(localFile(fetched)))
        return;
    m_page.runUpdateRules();
}

void ConfigExchange::RestoreButtonClick()
{
    const int row = m_players.firstCheckedRow();
    if (row < 0) {
        m_dialogs.showMessage(QStringLiteral("Please select a driver."));
        return;
    }
    const QString file = localFile(fileSafe(m_players.address(row)) + QStringLiteral("_config.conf"));
    if (!m_page.saveConfigTo(file))
        return;
    m_players.put(file, QStringLiteral("/config.conf.put"), row, QStringLiteral("Restore /config.conf.put"));
    WaitPanel::Wait wait(m_waitPanel, kStepMs);
    wait.pace(0, 70, 70);
    m_players.put(m_commandFile, QStringLiteral("/restoreconfig"), row, QStringLiteral("Restore /restoreconfig"));
}

}  // namespace q7
