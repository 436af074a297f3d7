#include "ctl/action.h"

#include "core/platform/programrun.h"
#include "core/transfer/transferbatch.h"

#include <algorithm>
#include <filesystem>

namespace q7::ctl {

using Clock = std::chrono::steady_clock;

namespace {

// What went wrong, without the "failed" that the outcome adds around it.
std::string reason(const TransferOutcome& outcome)
{
    return outcome.kind == TransferOutcome::Kind::Failed ? outcome.reason : outcome.text();
}

}  // namespace

Action::Action(Session& session, std::string label, std::vector<Target> targets)
    : m_session(session), m_label(std::move(label)), m_targets(std::move(targets)), m_players(m_targets.size()),
      m_port(session.port()), m_start(Clock::now())
{
    m_session.wait(std::chrono::milliseconds(0));  // a bad --wait is refused before anything is sent
}

void Action::fail(size_t target, std::string reason)
{
    Player& player = m_players[target];
    player.going = false;
    player.failure = std::move(reason);
    player.end = Clock::now();
}

void Action::interruptIfStopped()
{
    if (!m_session.stop().requested())
        return;
    for (size_t i = 0; i < m_players.size(); ++i)
        if (m_players[i].going)
            fail(i, "interrupted");
}

void Action::put(const std::string& localPath, const std::string& remoteName)
{
    interruptIfStopped();
    std::vector<size_t> who;
    std::vector<TftpCommand> commands;
    for (size_t i = 0; i < m_targets.size(); ++i)
        if (m_players[i].going) {
            who.push_back(i);
            commands.push_back(putCommand(m_targets[i].row, m_targets[i].address, localPath, remoteName, m_port));
        }
    if (commands.empty())
        return;
    const std::vector<TransferOutcome> outcomes = runTransfers(commands, m_session.runDir(), m_session.stop());
    for (size_t k = 0; k < who.size(); ++k) {
        if (outcomes[k].done())
            m_players[who[k]].end = Clock::now();
        else
            fail(who[k], "put " + remoteName + ": " + reason(outcomes[k]));
    }
}

void Action::fetch(const std::string& remoteName, const std::string& dir,
                   const std::function<std::string(const Target&)>& localName)
{
    interruptIfStopped();
    std::vector<size_t> who;
    std::vector<TftpCommand> commands;
    for (size_t i = 0; i < m_targets.size(); ++i) {
        if (!m_players[i].going)
            continue;
        const std::string name = localName(m_targets[i]);
        std::string error;
        const std::string clientName = createFetchFile(dir, name, &error);
        if (clientName.empty()) {
            fail(i, "get " + remoteName + ": " + error);
            continue;
        }
        who.push_back(i);
        commands.push_back(fetchCommand(m_targets[i].row, m_targets[i].address, remoteName, name, m_port, clientName));
    }
    if (commands.empty())
        return;
    const std::vector<TransferOutcome> outcomes = runTransfers(commands, dir, m_session.stop());
    for (size_t k = 0; k < who.size(); ++k) {
        Player& player = m_players[who[k]];
        if (outcomes[k].done()) {
            player.end = Clock::now();
            player.fetched = (std::filesystem::path(dir) / commands[k].localName).string();
        } else {
            fail(who[k], "get " + remoteName + ": " + reason(outcomes[k]));
        }
    }
}

void Action::pause(std::chrono::milliseconds fixed, const std::string& why)
{
    interruptIfStopped();
    if (std::none_of(m_players.begin(), m_players.end(), [](const Player& p) { return p.going; }))
        return;
    const std::chrono::milliseconds wait = m_session.wait(fixed);
    if (wait.count() > 0)
        m_session.note("waiting " + secondsText(wait) + " " + why);
    if (!pauseFor(wait, m_session.stop()))
        interruptIfStopped();
}

std::vector<Outcome> Action::finish()
{
    interruptIfStopped();
    std::vector<Outcome> outcomes;
    for (size_t i = 0; i < m_targets.size(); ++i) {
        const Player& player = m_players[i];
        const auto end = player.end == Clock::time_point() ? m_start : player.end;
        outcomes.push_back({m_targets[i].address, m_targets[i].name, m_label, player.going,
                            player.going ? "done" : "failed (" + player.failure + ")",
                            std::chrono::duration_cast<std::chrono::milliseconds>(end - m_start), player.extra});
    }
    return outcomes;
}

}  // namespace q7::ctl
