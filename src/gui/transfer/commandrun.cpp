#include "gui/transfer/commandrun.h"

#include "gui/platform/localpath.h"
#include "gui/platform/viewer.h"
#include "gui/widgets/textfilewindow.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>
#include <cmath>

namespace q7 {
namespace {

using commands::Sequence;
using commands::Step;

std::string stepName(const Step& step)
{
    return (step.kind == Step::Kind::Get ? "get " : "put ") + std::string(step.remote);
}

// A transfer of the command as the history records it and as the log shows it (the command
// table marks its items under "Commands").
TransferRunner::Caption callCaption(const commands::Command& command, std::string_view remote)
{
    const std::string item = QCoreApplication::translate("Commands", std::string(command.item).c_str()).toStdString();
    return {QString::fromStdString(commands::transferCaption(command, remote)),
            QString::fromStdString(commands::transferCaption(command, remote, item))};
}

}  // namespace

CommandRun::CommandRun(Context context, const commands::Command& command, std::vector<commands::Target> targets,
                       commands::SequenceFiles files, QObject* parent)
    : QObject(parent), m_context(context), m_sequence(command, std::move(targets), std::move(files), Sequence::Waits::Always)
{
    m_failureSeen.resize(m_sequence.players().size());
    m_tick = new QTimer(this);
    m_tick->setSingleShot(true);
    m_tick->setTimerType(Qt::PreciseTimer);
    connect(m_tick, &QTimer::timeout, this, &CommandRun::tick);
}

void CommandRun::start()
{
    // Nobody to send to: the log says so for each transfer, as it would for any call.
    if (m_sequence.players().empty())
        for (const Step& step : command().stepList())
            if (step.kind != Step::Kind::Wait)
                m_context.runner.start({}, callCaption(command(), step.remote),
                                       {});
    advance();
}

void CommandRun::advance()
{
    // A client that ends, a wait that ends and a stop all ask again; one asks at a time.
    if (m_advancing) {
        m_advanceAgain = true;
        return;
    }
    m_advancing = true;
    do {
        m_advanceAgain = false;
        if (m_ended)
            break;
        Sequence::Next next = m_sequence.next();
        for (const Step& step : command().stepList()) {
            if (step.kind != Step::Kind::Get || (next.kind == Sequence::Next::Kind::Start &&
                                                 next.transfers.front().command.remoteName == step.remote))
                continue;
            if (std::vector<TransferRunner::Refusal> refused = newRefusals(step); !refused.empty())
                m_context.runner.start({}, callCaption(command(), step.remote),
                                       {}, refused);
        }
        switch (next.kind) {
        case Sequence::Next::Kind::Start:
            startClients(next.transfers);
            m_advanceAgain = true;  // a wait starts as soon as the step's clients have started
            break;
        case Sequence::Next::Kind::Wait:
            beginWait(next.pace);
            break;
        case Sequence::Next::Kind::Pending:
            break;
        case Sequence::Next::Kind::Finished:
            finish();
            break;
        }
    } while (m_advanceAgain);
    m_advancing = false;
    checkOver();
}

std::vector<TransferRunner::Refusal> CommandRun::newRefusals(const Step& step)
{
    // Only a fetch fails before its client starts: its temporary file could not be made.
    const std::string prefix = stepName(step) + ": ";
    std::vector<TransferRunner::Refusal> refused;
    for (size_t i = 0; i < m_sequence.players().size(); ++i) {
        const Sequence::Player& player = m_sequence.players()[i];
        if (m_failureSeen[i] || player.state != Sequence::State::Failed || !player.failure.starts_with(prefix))
            continue;
        m_failureSeen[i] = true;
        TftpCommand command;
        command.direction = TransferDirection::Get;
        command.row = player.target.row;
        command.address = player.target.address;
        command.remoteName = std::string(step.remote);
        refused.push_back({std::move(command), player.failure.substr(prefix.size())});
    }
    return refused;
}

void CommandRun::startClients(const std::vector<Sequence::Transfer>& transfers)
{
    std::vector<TftpCommand> clients;
    for (const Sequence::Transfer& transfer : transfers)
        clients.push_back(transfer.command);
    const Step* step = nullptr;
    for (const Step& s : command().stepList())
        if (s.kind != Step::Kind::Wait && s.remote == transfers.front().command.remoteName)
            step = &s;
    const std::vector<TransferRunner::ClientId> ids = m_context.runner.start(
        clients, callCaption(command(), transfers.front().command.remoteName),
        [self = QPointer<CommandRun>(this), transfers](size_t client, const TransferOutcome& outcome) {
            if (self)
                self->clientEnded(transfers[client].player, outcome);
        },
        step ? newRefusals(*step) : std::vector<TransferRunner::Refusal>{});
    for (size_t k = 0; k < transfers.size(); ++k)
        m_clients[transfers[k].player] = ids[k];
}

void CommandRun::clientEnded(size_t player, const TransferOutcome& outcome)
{
    m_clients.erase(player);
    if (!outcome.done())
        m_failureSeen[player] = true;  // the runner has logged it
    m_sequence.transferEnded(player, outcome);
    if (!m_sequence.waiting())
        m_tick->stop();  // a wait for fetches ends with the last of them
    advance();
}

void CommandRun::beginWait(const commands::Pace& pace)
{
    if (!m_turn)
        m_turn = m_context.panel.take([self = QPointer<CommandRun>(this)] {
            if (self)
                self->stop();
        });
    m_pace = pace;
    m_ticks = 0;
    m_waitClock.start();
    showWaitStep();
    if (m_sequence.waiting())  // not stopped while the step was shown
        scheduleTick();
}

void CommandRun::showWaitStep()
{
    // The positions still to come, in whole seconds rounded up (the tests' wait scale aside).
    const int secondsLeft = (std::max(0, m_pace.steps() - m_ticks) * m_pace.stepMs + 999) / 1000;
    // The command table marks its wait reasons under "Commands".
    m_context.panel.step(m_turn, m_pace.from + m_ticks, m_pace.maximum,
                         QCoreApplication::translate("Commands", std::string(m_pace.why).c_str()), secondsLeft);
}

void CommandRun::scheduleTick()
{
    // Each position at its own time from the wait's start, so the wait lasts exactly its steps.
    const double stepMs = m_pace.stepMs * m_context.waitScale;
    const qint64 due = std::llround((m_ticks + 1) * stepMs) - m_waitClock.elapsed();
    m_tick->start(int(std::max<qint64>(0, due)));
}

void CommandRun::tick()
{
    if (!m_sequence.waiting())
        return;
    ++m_ticks;
    if (m_ticks < m_pace.steps()) {
        // Whoever hears of the step may let the last fetch end meanwhile, which ends the wait for
        // it and may end this command and delete it.
        const QPointer<CommandRun> self(this);
        showWaitStep();
        if (self && m_sequence.waiting())
            scheduleTick();
        return;
    }
    m_sequence.waitEnded();
    advance();
}

void CommandRun::stop()
{
    if (m_over)
        return;
    m_sequence.stop(stoppedOutcome().reason);
    m_tick->stop();
    // The runner ends each client at once; its end is the sequencer's to hear of now.
    const std::map<size_t, TransferRunner::ClientId> running = std::exchange(m_clients, {});
    for (const auto& [player, id] : running) {
        m_failureSeen[player] = true;
        m_context.runner.stop(id);
        m_sequence.transferEnded(player, stoppedOutcome());
    }
    advance();
}

void CommandRun::finish()
{
    m_ended = true;
    m_tick->stop();
    CommandEnd end{.stopped = m_sequence.stopped()};
    for (size_t i = 0; i < m_sequence.players().size(); ++i) {
        const Sequence::Player& player = m_sequence.players()[i];
        const bool arrived = !player.fetched.empty() && QFileInfo(fromLocalPath(player.fetched)).isFile();
        end.players.push_back({player.target, m_sequence.done(i), m_sequence.outcomeText(i),
                               arrived ? player.fetched : std::string()});
    }
    if (command().showCopies && !end.stopped)
        for (const PlayerOutcome& player : end.players)
            if (!player.fetched.empty() && !m_context.viewer.open(fromLocalPath(player.fetched)))
                TextFileWindow::showFile(fromLocalPath(player.fetched), m_context.codePage, m_context.panel.window());
    if (m_turn)
        m_context.panel.release(std::exchange(m_turn, 0));
    emit commandEnded(end);
}

void CommandRun::checkOver()
{
    if (!m_ended || m_over || m_sequence.busy())
        return;
    m_over = true;
    emit over();
    deleteLater();
}

}  // namespace q7
