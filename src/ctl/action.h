#pragma once
// One command of the command table against the chosen players, run by the sequencer the window
// uses, blocking: each step's transfers run to their end and are judged before the next step, so
// a player whose transfer failed takes no further step, and its outcome says which step failed
// and why. Fixed waits (or --wait) come between the steps; the sequencer skips a wait that only
// lets fetches arrive, since they have all ended by then. A stop request (Ctrl-C) fails every player
// still going as "interrupted". At a terminal one line on standard error tells the transfers still
// running and the seconds left of each wait (ctl/progress.h).

#include "core/commands/sequence.h"
#include "ctl/report.h"
#include "ctl/session.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace q7::ctl {

class Action {
public:
    Action(Session& session, std::string label, std::vector<Target> targets);

    // Runs `command` for every target. `files` names what the command's puts send; the empty
    // command file, the fetch folder (the run folder unless set) and the port are filled in.
    void run(const commands::Command& command, commands::SequenceFiles files);

    const std::vector<Target>& targets() const { return m_targets; }
    bool going(size_t target) const;
    // The path fetched from a player by the command's fetch.
    const std::string& fetched(size_t target) const;
    JsonObject& extra(size_t target) { return m_extra[target]; }

    // Every player's outcome: "done" when it went through every step.
    std::vector<Outcome> finish() const;

private:
    Session& m_session;
    std::string m_label;
    std::vector<Target> m_targets;
    std::vector<JsonObject> m_extra;
    std::optional<commands::Sequence> m_sequence;
    std::chrono::steady_clock::time_point m_start;
};

}  // namespace q7::ctl
