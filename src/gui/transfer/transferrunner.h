#pragma once
// The window's TFTP runner: one tftp client per transfer, started through the process seam and
// never waited for. While it starts them the runner shows SearchBar full and disables the main
// window and the "Send " buttons; each client's end is judged later and shown in the transfer log,
// one line per transfer and one summary per call. A command's clients can be ended early. A fetch
// is bounded: its client is ended when its temporary grows beyond the fetch's byte bound or when
// it has not ended within the time bound.

#include "core/players/playerlist.h"
#include "core/transfer/tftpcommand.h"
#include "gui/platform/process.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QAbstractButton;
class QProgressBar;
class QTimer;

namespace q7 {

class TransferLog;

class TransferRunner : public QObject {
    Q_OBJECT
public:
    TransferRunner(ProcessStarter& processes, QWidget* window, QProgressBar* bar, TransferLog* log,
                   QObject* parent = nullptr);

    // The folder clients run in and fetched files land in.
    void setWorkingDir(const QString& dir) { m_workingDir = dir; }
    const QString& workingDir() const { return m_workingDir; }
    // Told of every transfer's end: the player's address and the log's words for it ("Reboot: done").
    using OutcomeListener = std::function<void(const std::string& address, const std::string& text)>;
    void setOutcomeListener(OutcomeListener listener) { m_outcomeListener = std::move(listener); }

    // What to tell the operator when the TFTP client is not installed; empty when it is.
    QString missingClientNotice() const;

    // A button to disable while transfers start (the six "Send " buttons register here).
    void addSendButton(QAbstractButton* button);

    // How a call is named: `recorded` in English, as the player history keeps it; `shown` in the
    // window's language, in the transfer log.
    struct Caption {
        QString recorded;
        QString shown;
    };
    // Starts `clients` (a command's transfers of one step, a fetch's temporary already made in the
    // working folder) as one call logged as `caption`; `refused` are transfers of that step that
    // failed before a client could start, logged with them. `ended(i, outcome)` runs from the event
    // loop once client i has ended and been judged (a fetch renamed into place or removed), never
    // within this call. Returns one id per client, for stop(). No client and no refusal logs
    // "<caption>: no served player".
    using ClientEnded = std::function<void(size_t client, const TransferOutcome& outcome)>;
    struct Refusal {
        TftpCommand command;  // its direction, row, address and remote name
        std::string reason;
    };
    using ClientId = quint64;
    std::vector<ClientId> start(const std::vector<TftpCommand>& clients, const Caption& caption,
                                ClientEnded ended, const std::vector<Refusal>& refused = {});
    // Ends a client started by start() at once: a fetch's temporary is removed, the transfer is
    // logged as "failed (stopped)", and its `ended` is not called. A client that has ended is left.
    void stop(ClientId id);
    // Ends every fetch client still running, as stop() does: no client goes on writing a fetch
    // after the window has gone. Puts are left to finish by themselves.
    void stopFetches();
    // How long a fetch may run before its client is ended (kTransferLimit unless a test shortens it).
    void setFetchTimeLimit(std::chrono::milliseconds limit) { m_fetchTimeLimit = limit; }

    // A single put or get outside any command, for row (-1: every served row); `caption` names
    // the call in the log ("put /reboot" by default). Returns the address (put) or the fetched
    // name (get) of the last served row; empty when no row was served.
    QString put(const std::vector<PlayerEntry>& entries, const QString& localPath, const QString& remoteName,
                int row, const QString& caption = {});
    QString get(const std::vector<PlayerEntry>& entries, const QString& remoteName, const QString& suffix, int row,
                const QString& caption = {});

    // Sends the call logged as `call` again, the same file under the same remote name, to exactly
    // the players whose transfer failed there (served or not: the operator picked them), if they
    // are still listed. The outcome is logged under the original call.
    void retryFailed(int call, const std::vector<PlayerEntry>& entries);

private:
    struct Call;
    struct Client {
        std::shared_ptr<Call> call;
        TftpCommand command;
        ProcessHandle process = 0;
        ClientEnded ended = {};
        size_t index = 0;  // the client's place in its start() call
        std::chrono::steady_clock::time_point started = {};
    };
    std::shared_ptr<Call> newCall(TransferDirection direction, const QString& remote, const Caption& caption,
                                  int retryOf = 0);
    std::vector<ClientId> launch(const std::shared_ptr<Call>& call, const std::vector<TftpCommand>& clients,
                                 const std::vector<Refusal>& refused, ClientEnded ended);
    void setControlsEnabled(bool enabled);
    // Ends a client early with `outcome`; `tell` passes it on to the client's `ended`.
    void endEarly(ClientId id, TransferOutcome outcome, bool tell);
    // Looks at every running fetch: ends the ones beyond their bound.
    void watchFetches();

    ProcessStarter& m_processes;
    QWidget* m_window;
    QProgressBar* m_bar;
    QPointer<TransferLog> m_log;
    QList<QPointer<QAbstractButton>> m_sendButtons;
    QString m_workingDir;
    OutcomeListener m_outcomeListener;
    int m_lastCall = 0;
    std::map<int, std::shared_ptr<Call>> m_calls;  // the latest calls, for retries
    ClientId m_lastClient = 0;
    std::map<ClientId, Client> m_clients;  // started and not ended yet
    QTimer* m_fetchWatch;                  // runs while a fetch runs
    std::chrono::milliseconds m_fetchTimeLimit;
};

}  // namespace q7
