#include "transfer/transferrunner.h"

#include "platform/process.h"
#include "transfer/transferlog.h"

#include <QAbstractButton>
#include <QProgressBar>

namespace q7 {
namespace {

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

// The transfers of one call, counted as they end so the call's summary follows its last one.
struct TransferRunner::Call {
    QPointer<TransferLog> log;
    OutcomeListener listener;
    QString label;  // "put /reboot"
    int total = 0;
    int ended = 0;
    int done = 0;

    void report(const TftpCommand& command, const TransferOutcome& outcome)
    {
        ++ended;
        done += outcome.done() ? 1 : 0;
        if (listener)
            listener(command.address, label.toStdString() + ": " + outcome.text());
        if (!log)
            return;
        log->addLine(QStringLiteral("%1 %2 row %3: %4")
                         .arg(label, fromUtf8(command.address))
                         .arg(command.row)
                         .arg(fromUtf8(outcome.text())),
                     fromUtf8(command.description), !outcome.done());
        if (ended == total)
            log->addLine(label + QStringLiteral(": ") + fromUtf8(summaryText(done, total)), {}, done < total);
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
    m_bar->setValue(m_bar->maximum());
    setControlsEnabled(false);

    const bool put = direction == TransferDirection::Put;
    auto call = std::make_shared<Call>();
    call->log = m_log;
    call->listener = m_outcomeListener;
    call->label = !caption.isEmpty() ? caption : (put ? QStringLiteral("put ") : QStringLiteral("get ")) + remoteName;
    const std::vector<int> rows = servedRows(entries, row);
    call->total = int(rows.size());

    const std::string port = tftpPort();
    const std::string dir = m_workingDir.toStdString();
    QString result;
    for (const int r : rows) {
        const std::string& address = entries[size_t(r)].address;
        TftpCommand command;
        if (put) {
            command = putCommand(r, address, local.toStdString(), remoteName.toStdString(), port);
        } else {
            std::string error;
            const std::string clientName = createFetchFile(dir, fetchedFileName(r, local.toStdString()), &error);
            command = getCommand(r, address, remoteName.toStdString(), local.toStdString(), port, clientName);
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
        m_log->addLine(call->label + QStringLiteral(": no served player"), {}, true);
    return result;
}

}  // namespace q7
