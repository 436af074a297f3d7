#pragma once
// put and get: one tftp client per served row, started through the
// process seam and never waited for. While it starts them the runner shows SearchBar full and
// disables the main window and the "Send " buttons; each client's end is judged later and shown
// in the transfer log.

#include "core/players/playerlist.h"
#include "core/transfer/tftpcommand.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QAbstractButton;
class QProgressBar;

namespace q7 {

class ProcessStarter;
class TransferLog;

class TransferRunner : public QObject {
    Q_OBJECT
public:
    TransferRunner(ProcessStarter& processes, QWidget* window, QProgressBar* bar, TransferLog* log,
                   QObject* parent = nullptr);

    // The folder clients run in and fetched files land in.
    void setWorkingDir(const QString& dir) { m_workingDir = dir; }
    // Told of every transfer's end: the player's address and the log's words for it ("Reboot: done").
    using OutcomeListener = std::function<void(const std::string& address, const std::string& text)>;
    void setOutcomeListener(OutcomeListener listener) { m_outcomeListener = std::move(listener); }

    // A button to disable while transfers start (the six "Send " buttons register here).
    void addSendButton(QAbstractButton* button);

    // The address of the last served row; empty when no row was served.
    QString put(const std::vector<PlayerEntry>& entries, const QString& localPath, const QString& remoteName,
                int row, const QString& caption = {});
    // The local name fetched from the last served row ("Q7_" + row + "_" + suffix); empty when none.
    QString get(const std::vector<PlayerEntry>& entries, const QString& remoteName, const QString& suffix, int row,
                const QString& caption = {});

    // Sends the call logged as `call` again, the same file under the same remote name, to exactly
    // the players whose transfer failed there (served or not: the operator picked them), if they
    // are still listed. The outcome is logged under the original call.
    void retryFailed(int call, const std::vector<PlayerEntry>& entries);

private:
    struct Call;
    QString run(TransferDirection direction, const std::vector<PlayerEntry>& entries, const QString& remoteName,
                const QString& local, int row, const QString& caption);
    QString start(const std::shared_ptr<Call>& call, const std::vector<PlayerEntry>& entries,
                  const std::vector<int>& rows);
    void setControlsEnabled(bool enabled);

    ProcessStarter& m_processes;
    QWidget* m_window;
    QProgressBar* m_bar;
    QPointer<TransferLog> m_log;
    QList<QPointer<QAbstractButton>> m_sendButtons;
    QString m_workingDir;
    OutcomeListener m_outcomeListener;
    int m_lastCall = 0;
    std::map<int, std::shared_ptr<Call>> m_calls;  // the latest calls, for retries
};

}  // namespace q7
