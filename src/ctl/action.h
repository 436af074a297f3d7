#pragma once
// One action against the chosen players, as the window's command handlers run it: transfers to or
// from every player still going, and the fixed waits between them. Unlike the window, each step
// waits for its transfers and judges them: a player whose transfer failed takes no further step,
// and its outcome says which step failed and why. A stop request (Ctrl-C) fails every player still
// going as "interrupted".

#include "ctl/report.h"
#include "ctl/session.h"

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace q7::ctl {

class Action {
public:
    Action(Session& session, std::string label, std::vector<Target> targets);

    // Puts `localPath` as `remoteName` to every player still going.
    void put(const std::string& localPath, const std::string& remoteName);
    // Fetches `remoteName` from every player still going into `dir`, under `localName(target)`;
    // the file appears under that name only when the fetch succeeded.
    void fetch(const std::string& remoteName, const std::string& dir,
               const std::function<std::string(const Target&)>& localName);
    // The fixed time the players are given to act (or --wait), when anybody is still going.
    void pause(std::chrono::milliseconds fixed, const std::string& why);

    const std::vector<Target>& targets() const { return m_targets; }
    bool going(size_t target) const { return m_players[target].going; }
    // The path fetched from a player by the last fetch that succeeded for it.
    const std::string& fetched(size_t target) const { return m_players[target].fetched; }
    JsonObject& extra(size_t target) { return m_players[target].extra; }

    // Every player's outcome: "done" when it went through every step.
    std::vector<Outcome> finish();

private:
    struct Player {
        bool going = true;
        std::string failure;
        std::string fetched;
        std::chrono::steady_clock::time_point end;
        JsonObject extra;
    };
    void fail(size_t target, std::string reason);
    void interruptIfStopped();

    Session& m_session;
    std::string m_label;
    std::vector<Target> m_targets;
    std::vector<Player> m_players;
    std::string m_port;
    std::chrono::steady_clock::time_point m_start;
};

}  // namespace q7::ctl
