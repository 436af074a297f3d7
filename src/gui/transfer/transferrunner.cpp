#include "gui/transfer/transferrunner.h"

#include "gui/platform/process.h"
#include "gui/transfer/transferlog.h"

#include <QAbstractButton>
#include <QProgressBar>
#include <set>

namespace q7 {
namespace {

constexpr size_t kKeptCalls = 200;  // calls that can still be retried

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

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

}  // namespace

// The transfers of one call, counted as they end so the call's summary follows its last one. The
// call is kept for a while, so the players it failed can be sent to again.
struct TransferRunner::Call {
    QPointer<TransferLog> log;
    OutcomeListener listener;
    int id = 0;
    int retryOf = 0;  // the original call of a retry
    TransferDirection direction = TransferDirection::Put;
    QString remote, local;
    QString label;  // "put /reboot"
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
        log->addLine(QStringLiteral("%1 %2 row %3: %4")
                         .arg(label, fromUtf8(command.address))
                         .arg(command.row)
                         .arg(fromUtf8(outcome.text())),
                     fromUtf8(command.description), !outcome.done(), id, retryOf);
        if (ended == total)
            log->addLine(label + QStringLiteral(": ") + fromUtf8(summaryText(done, total)), {}, done < total, id,
                         retryOf, true);
    }
};

TransferRunner::TransferRunner(ProcessStarter& processes, QWidget* window, QProgressBar* bar, TransferLog* log,
                               QObject* parent)
    : QObject(parent), m_processes(processes), m_window(window), m_bar(bar), m_log(log)
{
}

void TransferRunner::addSendButton(QAbstractButton* button) { m_sendButtons.append(button); }

QString TransferRunner::put(const std::vector<PlayerEntry>& entries, const QString& localPath,
                            const QString& remoteName, int row, const QString& caption)
{
    return run(TransferDirection::Put, entries, remoteName, localPath, row, caption);
}

QString TransferRunner::get(const std::vector<PlayerEntry>& entries, const QString& remoteName,
                            const QString& suffix, int row, const QString& caption)
{
    return run(TransferDirection::Get, entries, remoteName, suffix, row, caption);
}

void TransferRunner::setControlsEnabled(bool enabled)
{
    m_window->setEnabled(enabled);
    for (const QPointer<QAbstractButton>& button : m_sendButtons)
        if (button)
            button->setEnabled(enabled);
}

QString TransferRunner::run(TransferDirection direction, const std::vector<PlayerEntry>& entries,
                            const QString& remoteName, const QString& local, int row, const QString& caption)
{
    auto call = std::make_shared<Call>();
    call->direction = direction;
    call->remote = remoteName;
    call->local = local;
    const bool put = direction == TransferDirection::Put;
    call->label = !caption.isEmpty() ? caption : (put ? QStringLiteral("put ") : QStringLiteral("get ")) + remoteName;
    return start(call, entries, servedRows(entries, row));
}

void TransferRunner::retryFailed(int id, const std::vector<PlayerEntry>& entries)
{
    const auto found = m_calls.find(id);
    if (found == m_calls.end() || found->second->failed.empty())
        return;
    const Call& original = *found->second;
    auto call = std::make_shared<Call>();
    call->direction = original.direction;
    call->remote = original.remote;
    call->local = original.local;
    call->label = original.label;
    call->retryOf = original.retryOf ? original.retryOf : original.id;
    start(call, entries, rowsAt(entries, original.failed));
}

QString TransferRunner::start(const std::shared_ptr<Call>& call, const std::vector<PlayerEntry>& entries,
                              const std::vector<int>& rows)
{
    m_bar->setValue(m_bar->maximum());
    setControlsEnabled(false);

    call->id = ++m_lastCall;
    call->log = m_log;
    call->listener = m_outcomeListener;
    call->total = int(rows.size());
    m_calls[call->id] = call;
    while (m_calls.size() > kKeptCalls)
        m_calls.erase(m_calls.begin());

    const bool put = call->direction == TransferDirection::Put;
    const std::string port = tftpPort();
    const std::string dir = m_workingDir.toStdString();
    const std::string local = call->local.toStdString(), remote = call->remote.toStdString();
    QString result;
    for (const int r : rows) {
        const std::string& address = entries[size_t(r)].address;
        TftpCommand command;
        if (put) {
            command = putCommand(r, address, local, remote, port);
        } else {
            std::string error;
            const std::string clientName = createFetchFile(dir, fetchedFileName(r, local), &error);
            command = getCommand(r, address, remote, local, port, clientName);
            if (clientName.empty()) {
                call->report(command, TransferOutcome{TransferOutcome::Kind::Failed, error});
                result = fromUtf8(command.localName);
                continue;
            }
        }
        QStringList arguments;
        for (const std::string& argument : command.arguments)
            arguments << fromUtf8(argument);
        m_processes.start(fromUtf8(command.program), arguments, m_workingDir,
                          [call, command, dir](const ProcessExit& exit) {
                              TransferOutcome outcome =
                                  judgeClientEnd(clientEnd(exit.how), exit.code, exit.output.toStdString());
                              if (command.direction == TransferDirection::Get)
                                  outcome = finishFetch(dir, command.clientName, command.localName, outcome);
                              call->report(command, outcome);
                          });
        result = put ? fromUtf8(address) : fromUtf8(command.localName);
    }

    setControlsEnabled(true);
    m_bar->setValue(0);
    if (rows.empty() && m_log)
        m_log->addLine(call->label + QStringLiteral(": no served player"), {}, true, call->id, call->retryOf);
    return result;
}

}  // namespace q7
