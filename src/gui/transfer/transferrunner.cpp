#include "gui/transfer/transferrunner.h"

#include "gui/transfer/transferlog.h"
#include "core/transfer/transferbatch.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QProgressBar>
#include <QTimer>
#include <set>
#include <sys/stat.h>

namespace q7 {
namespace {

constexpr size_t kKeptCalls = 200;  // calls that can still be retried
constexpr int kFetchWatchMs = 100;  // how often a running fetch's temporary is looked at

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

// The core's marked texts in the operator's language, for the log; what is recorded stays English.
std::string inWindowLanguage(const char* context, const char* text)
{
    return QCoreApplication::translate(context, text).toStdString();
}

ClientEnd clientEnd(ProcessExit::How how)
{
    switch (how) {
    case ProcessExit::How::NotStarted:
        return ClientEnd::NotStarted;
    case ProcessExit::How::Signalled:
        return ClientEnd::Signalled;
    case ProcessExit::How::Exited:
        break;
    }
    return ClientEnd::Exited;
}

// The part of a fetched name after "Q7_<row>_" (a retry fetches into the row the player has then).
std::string fetchSuffix(const TftpCommand& command)
{
    const std::string prefix = fetchedFileName(command.row, {});
    return command.localName.starts_with(prefix) ? command.localName.substr(prefix.size()) : command.localName;
}

// The tooltip's lines under a transfer: the Windows command line it stands for and the client's
// start as it was made, port included (none for a transfer that failed before its client).
QString startDetail(const TftpCommand& command)
{
    QString detail = fromUtf8(command.description);
    // No client starts for a refused command, nor for a fetch without a file to write into.
    const bool started = !command.program.empty() && command.refusal.empty() &&
                         (command.direction == TransferDirection::Put || !command.clientName.empty());
    if (started)
        //: Tooltip line of a transfer: %1 is the tftp client's command line as it was started.
        detail += (detail.isEmpty() ? QString() : QStringLiteral("\n")) +
                  TransferRunner::tr("Command: %1").arg(fromUtf8(startedCommandLine(command)));
    return detail;
}

}  // namespace

// The transfers of one call, counted as they end so the call's summary follows its last one. The
// call is kept for a while, so the players it failed can be sent to again.
struct TransferRunner::Call {
    QPointer<TransferLog> log;
    OutcomeListener listener;
    int id = 0;
    int retryOf = 0;  // the original call of a retry
    TransferDirection direction = TransferDirection::Put;
    QString remote;
    QString label;  // "Reboot", "put /reboot": what the player history records
    QString shown;  // the label in the window's language, for the log
    std::map<std::string, std::string> localOf;  // put: the file each player was sent, by address
    std::string suffix;                          // get: what follows "Q7_<row>_" in the fetched name
    int total = 0;
    int ended = 0;
    int done = 0;
    std::set<std::string> failed;  // addresses

    void report(const TftpCommand& command, const TransferOutcome& outcome)
    {
        ++ended;
        done += outcome.done() ? 1 : 0;
        if (!outcome.done())
            failed.insert(command.address);
        if (listener)
            listener(command.address, label.toStdString() + ": " + outcome.text());
        if (!log)
            return;
        //: Transfer log line: %1 the command or "put /file", %2 the player's address, %3 its row in the
        //: player list, %4 the outcome ("done", "failed (...)").
        log->addLine(TransferRunner::tr("%1 %2 row %3: %4")
                         .arg(shown, fromUtf8(command.address))
                         .arg(command.row)
                         .arg(fromUtf8(outcome.text(inWindowLanguage))),
                     startDetail(command), !outcome.done(), id, retryOf);
        if (ended == total)
            log->addLine(shown + QStringLiteral(": ") + fromUtf8(summaryText(done, total, inWindowLanguage)), {},
                         done < total, id, retryOf, true);
    }
};

TransferRunner::TransferRunner(ProcessStarter& processes, QWidget* window, QProgressBar* bar, TransferLog* log,
                               QObject* parent)
    : QObject(parent), m_processes(processes), m_window(window), m_bar(bar), m_log(log),
      m_fetchWatch(new QTimer(this)), m_fetchTimeLimit(kTransferLimit)
{
    m_fetchWatch->setInterval(kFetchWatchMs);
    connect(m_fetchWatch, &QTimer::timeout, this, &TransferRunner::watchFetches);
}

QString TransferRunner::missingClientNotice() const
{
    const QString program = fromUtf8(std::string(kTftpProgram));
    if (m_processes.programFound(program))
        return {};
    //: %1 is the client program ("tftp"), %2 its Debian package ("tftp-hpa").
    return tr("The TFTP client \"%1\" is not installed; install the package %2 (for example with "
              "\"sudo apt install %2\"). Until then nothing can be sent to the players or fetched "
              "from them.")
        .arg(program, fromUtf8(std::string(kTftpPackage)));
}

void TransferRunner::addSendButton(QAbstractButton* button) { m_sendButtons.append(button); }

void TransferRunner::setControlsEnabled(bool enabled)
{
    m_window->setEnabled(enabled);
    for (const QPointer<QAbstractButton>& button : m_sendButtons)
        if (button)
            button->setEnabled(enabled);
}

std::shared_ptr<TransferRunner::Call> TransferRunner::newCall(TransferDirection direction, const QString& remote,
                                                              const Caption& caption, int retryOf)
{
    auto call = std::make_shared<Call>();
    call->direction = direction;
    call->remote = remote;
    const bool put = direction == TransferDirection::Put;
    call->label =
        !caption.recorded.isEmpty() ? caption.recorded : (put ? QStringLiteral("put ") : QStringLiteral("get ")) + remote;
    call->shown = !caption.shown.isEmpty() ? caption.shown : call->label;
    call->retryOf = retryOf;
    call->id = ++m_lastCall;
    call->log = m_log;
    call->listener = m_outcomeListener;
    m_calls[call->id] = call;
    while (m_calls.size() > kKeptCalls)
        m_calls.erase(m_calls.begin());
    return call;
}

std::vector<TransferRunner::ClientId> TransferRunner::start(const std::vector<TftpCommand>& clients,
                                                            const Caption& caption, ClientEnded ended,
                                                            const std::vector<Refusal>& refused)
{
    const TftpCommand* first = !clients.empty() ? &clients.front() : !refused.empty() ? &refused.front().command : nullptr;
    const auto call = newCall(first ? first->direction : TransferDirection::Put,
                              first ? fromUtf8(first->remoteName) : QString(), caption);
    return launch(call, clients, refused, std::move(ended));
}

std::vector<TransferRunner::ClientId> TransferRunner::launch(const std::shared_ptr<Call>& call,
                                                             const std::vector<TftpCommand>& clients,
                                                             const std::vector<Refusal>& refused, ClientEnded ended)
{
    m_bar->setValue(m_bar->maximum());
    setControlsEnabled(false);

    call->total = int(clients.size() + refused.size());
    for (const Refusal& refusal : refused)
        call->report(refusal.command, TransferOutcome{TransferOutcome::Kind::Failed, refusal.reason});

    const std::string dir = m_workingDir.toStdString();
    std::vector<ClientId> ids;
    for (size_t i = 0; i < clients.size(); ++i) {
        const TftpCommand& command = clients[i];
        if (command.direction == TransferDirection::Put)
            call->localOf[command.address] = command.localName;
        else
            call->suffix = fetchSuffix(command);
        QStringList arguments;
        for (const std::string& argument : command.arguments)
            arguments << fromUtf8(argument);
        const ClientId id = ++m_lastClient;
        ids.push_back(id);
        // Clients may end after the runner is gone: then only the call still hears of it.
        const auto finish = [self = QPointer<TransferRunner>(this), call, command, dir, id, i,
                             ended](TransferOutcome outcome) {
            if (command.direction == TransferDirection::Get)
                outcome = finishFetch(dir, command.clientName, command.localName, outcome);
            if (self)
                self->m_clients.erase(id);
            call->report(command, outcome);
            if (ended)
                ended(i, outcome);
        };
        if (!command.refusal.empty()) {
            // Never started; its end is reported from the event loop, as a client's is.
            m_clients[id] = Client{call, command, 0};
            QTimer::singleShot(0, this, [this, id, finish, reason = command.refusal] {
                if (m_clients.count(id))  // not stopped meanwhile
                    finish(TransferOutcome{TransferOutcome::Kind::Failed, reason});
            });
            continue;
        }
        const ProcessHandle process =
            m_processes.start(fromUtf8(command.program), arguments, m_workingDir, [finish](const ProcessExit& exit) {
                finish(judgeClientEnd(clientEnd(exit.how), exit.code, exit.output.toStdString()));
            });
        m_clients[id] = Client{call, command, process, ended, i, std::chrono::steady_clock::now()};
        if (command.direction == TransferDirection::Get && !m_fetchWatch->isActive())
            m_fetchWatch->start();
    }

    setControlsEnabled(true);
    m_bar->setValue(0);
    if (call->total == 0 && m_log)
        //: Transfer log line: %1 is the command or "put /file"; no checked player was online to take it.
        m_log->addLine(tr("%1: no served player").arg(call->shown), {}, true,
                       call->id, call->retryOf);
    return ids;
}

void TransferRunner::stop(ClientId id)
{
    endEarly(id, stoppedOutcome(), false);
}

void TransferRunner::endEarly(ClientId id, TransferOutcome outcome, bool tell)
{
    const auto found = m_clients.find(id);
    if (found == m_clients.end())
        return;
    const Client client = std::move(found->second);
    m_clients.erase(found);
    if (client.process)  // 0: a refused client, never started
        m_processes.stop(client.process);
    if (client.command.direction == TransferDirection::Get)  // the temporary goes now, not at shut-down
        outcome = finishFetch(m_workingDir.toStdString(), client.command.clientName, client.command.localName, outcome);
    client.call->report(client.command, outcome);
    if (tell && client.ended)
        client.ended(client.index, outcome);
}

void TransferRunner::stopFetches()
{
    std::vector<ClientId> fetches;
    for (const auto& [id, client] : m_clients)
        if (client.command.direction == TransferDirection::Get)
            fetches.push_back(id);
    for (const ClientId id : fetches)
        stop(id);
}

void TransferRunner::watchFetches()
{
    const auto now = std::chrono::steady_clock::now();
    const QString dir = m_workingDir.isEmpty() ? QStringLiteral(".") : m_workingDir;
    std::vector<std::pair<ClientId, TransferOutcome>> over;
    bool fetching = false;
    for (const auto& [id, client] : m_clients) {
        if (client.command.direction != TransferDirection::Get)
            continue;
        fetching = true;
        const std::string path = (dir + QLatin1Char('/')).toStdString() + client.command.clientName;
        struct stat info {};
        if (client.command.maxBytes > 0 && ::stat(path.c_str(), &info) == 0 &&
            std::uintmax_t(info.st_size) > client.command.maxBytes)
            over.emplace_back(id, tooLarge(client.command.maxBytes));
        else if (now - client.started >= m_fetchTimeLimit)
            over.emplace_back(id, overdue(m_fetchTimeLimit));
    }
    if (!fetching)
        m_fetchWatch->stop();
    // A client's `ended` may start further clients; the list is taken first.
    for (auto& [id, outcome] : over)
        endEarly(id, std::move(outcome), true);
}

QString TransferRunner::put(const std::vector<PlayerEntry>& entries, const QString& localPath,
                            const QString& remoteName, int row, const QString& caption)
{
    const auto call = newCall(TransferDirection::Put, remoteName, {caption, caption});
    const std::string local = localPath.toStdString(), remote = remoteName.toStdString(), port = tftpPort();
    std::vector<TftpCommand> clients;
    for (const int r : servedRows(entries, row))
        clients.push_back(putCommand(r, entries[size_t(r)].address, local, remote, port));
    launch(call, clients, {}, {});
    return clients.empty() ? QString() : fromUtf8(clients.back().address);
}

QString TransferRunner::get(const std::vector<PlayerEntry>& entries, const QString& remoteName,
                            const QString& suffix, int row, const QString& caption)
{
    const auto call = newCall(TransferDirection::Get, remoteName, {caption, caption});
    call->suffix = suffix.toStdString();
    const std::string dir = m_workingDir.toStdString(), remote = remoteName.toStdString(), port = tftpPort();
    std::vector<TftpCommand> clients;
    std::vector<Refusal> refused;
    QString result;
    for (const int r : servedRows(entries, row)) {
        std::string error;
        const std::string clientName = createFetchFile(dir, fetchedFileName(r, call->suffix), &error);
        TftpCommand command = getCommand(r, entries[size_t(r)].address, remote, call->suffix, port, clientName);
        result = fromUtf8(command.localName);
        if (clientName.empty())
            refused.push_back({std::move(command), error});
        else
            clients.push_back(std::move(command));
    }
    launch(call, clients, refused, {});
    return result;
}

void TransferRunner::retryFailed(int id, const std::vector<PlayerEntry>& entries)
{
    const auto found = m_calls.find(id);
    if (found == m_calls.end() || found->second->failed.empty())
        return;
    const std::shared_ptr<Call> original = found->second;
    const auto call = newCall(original->direction, original->remote, {original->label, original->shown},
                              original->retryOf ? original->retryOf : original->id);
    call->suffix = original->suffix;
    const std::string dir = m_workingDir.toStdString(), remote = original->remote.toStdString(), port = tftpPort();
    std::vector<TftpCommand> clients;
    std::vector<Refusal> refused;
    for (const int r : rowsAt(entries, original->failed)) {
        const std::string& address = entries[size_t(r)].address;
        if (original->direction == TransferDirection::Put) {
            const auto local = original->localOf.find(address);
            clients.push_back(putCommand(r, address, local != original->localOf.end() ? local->second : std::string(),
                                         remote, port));
            continue;
        }
        std::string error;
        const std::string clientName = createFetchFile(dir, fetchedFileName(r, call->suffix), &error);
        TftpCommand command = getCommand(r, address, remote, call->suffix, port, clientName);
        if (clientName.empty())
            refused.push_back({std::move(command), error});
        else
            clients.push_back(std::move(command));
    }
    launch(call, clients, refused, {});
}

}  // namespace q7
