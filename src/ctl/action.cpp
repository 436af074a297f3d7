#include "ctl/action.h"

#include "core/platform/programrun.h"
#include "core/transfer/transferbatch.h"
#include "ctl/progress.h"
#include "ctl/translate.h"

#include <stdexcept>

namespace q7::ctl {

using commands::Sequence;

namespace {

// Sleeps for `wait` unless a stop is requested first (false then), the seconds left shown after `what`.
bool waitShowingProgress(std::chrono::milliseconds wait, const std::string& what, ProgressLine& progress,
                         const StopEvent& stop)
{
    using namespace std::chrono;
    const auto deadline = steady_clock::now() + wait;
    for (;;) {
        const milliseconds left = ceil<milliseconds>(deadline - steady_clock::now());
        if (left.count() <= 0)
            return !stop.requested();
        //: %1 says what q7ctl waits for ("config get: waiting for the players to save their settings").
        progress.show(fill(translate("q7ctl", "%1, %2 s left"), {what, std::to_string(ceil<seconds>(left).count())}));
        // Up to the next whole second left, so that the count goes down by one each time.
        const milliseconds slice = left % 1000 == milliseconds(0) ? milliseconds(1000) : left % 1000;
        if (!pauseFor(slice, stop))
            return false;
    }
}

}  // namespace

Action::Action(Session& session, std::string label, std::vector<Target> targets)
    : m_session(session), m_label(std::move(label)), m_targets(std::move(targets)), m_extra(m_targets.size()),
      m_start(std::chrono::steady_clock::now())
{
    // A bad --wait or --parallel is refused before anything is sent.
    m_session.wait(std::chrono::milliseconds(0));
    m_session.parallel();
}

void Action::run(const commands::Command& command, commands::SequenceFiles files)
{
    files.commandFile = m_session.nullCommandFile();
    if (files.fetchDir.empty())
        files.fetchDir = m_session.runDir();
    files.port = m_session.port();
    const std::string fetchDir = files.fetchDir;
    Sequence& sequence = m_sequence.emplace(command, m_targets, std::move(files));
    const StopEvent& stop = m_session.stop();
    ProgressLine progress(m_session.atTerminal());
    for (;;) {
        if (stop.requested())
            sequence.stop("interrupted");
        Sequence::Next next = sequence.next();
        switch (next.kind) {
        case Sequence::Next::Kind::Start: {
            std::vector<TftpCommand> commands;
            for (const Sequence::Transfer& transfer : next.transfers)
                commands.push_back(transfer.command);
            // Fetches land in the fetch folder; puts run in the run folder, their files named in full.
            const bool fetch = commands.front().direction == TransferDirection::Get;
            //: %1 is the command ("config get"), %2 the file fetched from the players ("/config.conf").
            const std::string get = translate("q7ctl", "%1: get %2, %3 of %4 transfers still to end");
            //: %1 is the command ("config put"), %2 the file put on the players ("/config.conf.put").
            const std::string put = translate("q7ctl", "%1: put %2, %3 of %4 transfers still to end");
            const std::string total = std::to_string(commands.size());
            const std::vector<TransferEnd> ends = runTransfers(
                commands, fetch ? fetchDir : m_session.runDir(), stop, kTransferLimit,
                [&](size_t running) {
                    progress.show(fill(fetch ? get : put,
                                       {m_label, commands.front().remoteName, std::to_string(running), total}));
                },
                m_session.parallel());
            progress.clear();
            for (size_t k = 0; k < ends.size(); ++k)
                sequence.transferEnded(next.transfers[k].player, ends[k].outcome, ends[k].ended);
            break;
        }
        case Sequence::Next::Kind::Wait: {
            const std::chrono::milliseconds wait = m_session.wait(std::chrono::milliseconds(next.pace.durationMs()));
            //: %1 is the command ("config get"), %2 why it waits ("for the players to save their settings").
            const std::string what =
                fill(translate("q7ctl", "%1: waiting %2"), {m_label, translate("Commands", next.pace.why)});
            if (waitShowingProgress(wait, what, progress, stop))
                sequence.waitEnded();
            progress.clear();
            break;
        }
        case Sequence::Next::Kind::Pending:
            // Every transfer handed out has ended before the next question.
            throw std::logic_error("the sequence waits for nothing");
        case Sequence::Next::Kind::Finished:
            return;
        }
    }
}

bool Action::going(size_t target) const { return !m_sequence || m_sequence->done(target); }

const std::string& Action::fetched(size_t target) const
{
    static const std::string none;
    return m_sequence ? m_sequence->players()[target].fetched : none;
}

std::vector<Outcome> Action::finish() const
{
    std::vector<Outcome> outcomes;
    for (size_t i = 0; i < m_targets.size(); ++i) {
        const bool done = going(i);
        auto end = m_start;
        std::string text = "done";
        if (m_sequence) {
            const Sequence::Player& player = m_sequence->players()[i];
            if (player.end != Sequence::Clock::time_point())
                end = player.end;
            text = m_sequence->outcomeText(i);
        }
        outcomes.push_back({m_targets[i].address, m_targets[i].name, m_label, done, text,
                            std::chrono::duration_cast<std::chrono::milliseconds>(end - m_start), m_extra[i]});
    }
    return outcomes;
}

}  // namespace q7::ctl
