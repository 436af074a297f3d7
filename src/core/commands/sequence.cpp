#include "core/commands/sequence.h"

#include <algorithm>

namespace q7::commands {
namespace {

// What went wrong, without the "failed" that the outcome's text puts around it.
std::string reason(const TransferOutcome& outcome)
{
    return outcome.kind == TransferOutcome::Kind::Failed ? outcome.reason : outcome.text();
}

std::string stepName(const Step& step)
{
    return (step.kind == Step::Kind::Get ? "get " : "put ") + std::string(step.remote);
}

}  // namespace

Sequence::Sequence(const Command& command, std::vector<Target> targets, SequenceFiles files, Waits waits)
    : m_command(command), m_files(std::move(files)), m_waits(waits)
{
    for (Target& target : targets)
        m_players.push_back({.target = std::move(target)});
}

const Pace& Sequence::pace() const
{
    static const Pace none;
    return m_waiting ? m_command.stepList()[m_step].pace : none;
}

bool Sequence::finished() const { return m_stopped || m_step >= m_command.stepList().size(); }

bool Sequence::busy() const { return !finished() || fetching(); }

std::vector<size_t> Sequence::running() const
{
    std::vector<size_t> players;
    for (size_t i = 0; i < m_players.size(); ++i)
        if (m_players[i].inFlight)
            players.push_back(i);
    return players;
}

bool Sequence::done(size_t player) const { return finished() && m_players[player].state == State::Ready; }

std::string Sequence::outcomeText(size_t player) const
{
    const Player& p = m_players[player];
    switch (p.state) {
    case State::Ready:
        return finished() ? "done" : "waiting";
    case State::Running:
        return "running";
    case State::Failed:
    case State::Stopped:
        break;
    }
    return "failed (" + p.failure + ")";
}

void Sequence::fail(size_t player, std::string reason)
{
    Player& p = m_players[player];
    p.state = State::Failed;
    p.failure = std::move(reason);
    p.end = Clock::now();
}

bool Sequence::fetching() const
{
    return std::any_of(m_players.begin(), m_players.end(), [this](const Player& p) {
        return p.inFlight && m_command.stepList()[p.step].kind == Step::Kind::Get;
    });
}

std::optional<Sequence::Transfer> Sequence::transferFor(size_t player, const Step& step)
{
    const Target& target = m_players[player].target;
    Transfer transfer{.player = player};
    const std::string remote(step.remote);
    if (step.kind == Step::Kind::Get) {
        const std::string name =
            m_files.fetchName ? m_files.fetchName(target, step.suffix) : fetchedFileName(target.row, step.suffix);
        std::string error;
        const std::string clientName = createFetchFile(m_files.fetchDir, name, &error);
        if (clientName.empty()) {
            fail(player, stepName(step) + ": " + error);
            return std::nullopt;
        }
        transfer.command = fetchCommand(target.row, target.address, remote, name, m_files.port, clientName);
        return transfer;
    }
    std::string local;
    switch (step.source) {
    case Source::CommandFile:
        local = m_files.commandFile;
        break;
    case Source::Chosen:
        local = m_files.chosenFor ? m_files.chosenFor(target) : m_files.chosen;
        break;
    case Source::Scratch:
        local = m_files.scratch;
        break;
    case Source::Message:
        local = m_files.message;
        break;
    case Source::PerPlayer:
        local = m_files.perPlayer ? m_files.perPlayer(target) : std::string();
        break;
    }
    transfer.command = putCommand(target.row, target.address, local, remote, m_files.port);
    return transfer;
}

Sequence::Next Sequence::next()
{
    const std::span<const Step> steps = m_command.stepList();
    while (!finished()) {
        const Step& step = steps[m_step];
        if (step.kind == Step::Kind::Wait) {
            if (m_waiting)
                return {};
            if (step.pace.forFetch && !fetching()) {
                ++m_step;  // the fetches it gives time to have all ended
                continue;
            }
            const bool anybodyGoing = std::any_of(m_players.begin(), m_players.end(), [](const Player& p) {
                return p.state == State::Ready || p.state == State::Running;
            });
            if (!anybodyGoing && m_waits == Waits::WhilePlayersGo) {
                ++m_step;  // nobody is left to give time to
                continue;
            }
            m_waiting = true;
            return {.kind = Next::Kind::Wait, .pace = step.pace};
        }

        Next start{.kind = Next::Kind::Start};
        bool blocked = false;  // a player still runs the step before: it follows when that ends well
        for (size_t i = 0; i < m_players.size(); ++i) {
            Player& p = m_players[i];
            if (p.state == State::Running && p.step < m_step) {
                blocked = true;
            } else if (p.state == State::Ready && (p.step == kNoStep || p.step < m_step)) {
                if (std::optional<Transfer> transfer = transferFor(i, step)) {
                    p.state = State::Running;
                    p.inFlight = true;
                    p.step = m_step;
                    start.transfers.push_back(std::move(*transfer));
                }
            }
        }
        if (!blocked)
            ++m_step;
        if (!start.transfers.empty())
            return start;
        if (blocked)
            return {};
    }
    return {.kind = Next::Kind::Finished};
}

void Sequence::transferEnded(size_t player, const TransferOutcome& outcome, Clock::time_point ended)
{
    Player& p = m_players[player];
    p.inFlight = false;
    if (m_waiting && pace().forFetch && !fetching())
        waitEnded();  // the last fetch the wait gave time to has ended
    if (p.state != State::Running)
        return;  // stopped meanwhile: it stays stopped
    const Step& step = m_command.stepList()[p.step];
    p.end = ended;
    if (!outcome.done()) {
        p.state = State::Failed;
        p.failure = stepName(step) + ": " + reason(outcome);
        return;
    }
    p.state = State::Ready;
    if (step.kind == Step::Kind::Get) {
        const std::string name = m_files.fetchName ? m_files.fetchName(p.target, step.suffix)
                                                   : fetchedFileName(p.target.row, step.suffix);
        p.fetched = m_files.fetchDir.empty() ? name : m_files.fetchDir + "/" + name;
    }
}

void Sequence::waitEnded()
{
    if (!m_waiting)
        return;
    m_waiting = false;
    ++m_step;
}

void Sequence::stop(const std::string& reason)
{
    if (finished() && !busy())
        return;
    m_stopped = true;
    m_waiting = false;
    for (Player& p : m_players) {
        if (p.state == State::Ready || p.state == State::Running) {
            p.state = State::Stopped;
            p.failure = reason;
            p.end = Clock::now();
        }
    }
}

}  // namespace q7::commands
