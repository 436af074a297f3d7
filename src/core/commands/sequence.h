#pragma once
// Runs one command of the command table for a set of players: the one sequencer behind the
// window's pages and q7ctl. It decides, step by step, which transfers to start for which player
// and when to wait; the front end starts the clients, runs the waits and reports back. The window
// drives it from its event loop (timers and process-end notifications); q7ctl drives it blocking.
//
// Each player goes through the steps on its own: a transfer of a later step starts for a player
// only once its transfer of the step before has ended successfully, so a player whose step failed
// gets no later step of that command (it would act on whatever older file it still holds). A wait
// starts as soon as the transfers of the step before it have been started, and a transfer after it
// never starts before the wait has ended: the players get exactly the paced time. A wait that only
// gives the fetches of the step before it time to arrive (Pace::forFetch) ends as soon as every
// one of them has ended, and is skipped when none is still running; never later than its length.

#include "core/commands/commandtable.h"
#include "core/transfer/tftpcommand.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace q7::commands {

// A player a command goes to.
struct Target {
    int row = 0;
    std::string address;
    std::string name;
};

// The files the front end prepared for the command's puts, and where its fetches land.
struct SequenceFiles {
    std::string commandFile = {};  // Source::CommandFile
    std::string chosen = {};       // Source::Chosen
    // Source::Chosen made for each player, in place of `chosen` (a configuration keeping each
    // player's own network address).
    std::function<std::string(const Target&)> chosenFor = {};
    std::string scratch = {};      // Source::Scratch
    std::string message = {};      // Source::Message
    std::function<std::string(const Target&)> perPlayer = {};  // Source::PerPlayer
    std::string fetchDir = {};
    // The fetched copy's name in `fetchDir`; empty: "Q7_" + row + "_" + suffix.
    std::function<std::string(const Target&, std::string_view suffix)> fetchName = {};
    std::string port = tftpPort();
};

class Sequence {
public:
    using Clock = std::chrono::steady_clock;

    enum class State {
        Ready,    // between steps: its last transfer ended well (or it has had none yet)
        Running,  // a transfer of it is under way
        Failed,   // a step failed; it takes no further step
        Stopped,  // the command was stopped before it went through every step
    };
    struct Player {
        Target target;
        State state = State::Ready;
        size_t step = kNoStep;  // the step of its latest transfer
        std::string failure = {};  // "put /x: reason", "get /y: reason", or the stop's reason
        std::string fetched = {};  // full path of its latest fetched copy
        Clock::time_point end = {};  // when its latest transfer ended, or it failed
        bool inFlight = false;  // its latest transfer has not reported its end yet
    };
    static constexpr size_t kNoStep = size_t(-1);

    // A client the front end is to start for `player`.
    struct Transfer {
        size_t player = 0;
        TftpCommand command = {};
    };
    // What the front end is to do now.
    struct Next {
        enum class Kind {
            Start,    // start `transfers`, then ask again
            Wait,     // run the wait `pace`, call waitEnded(), then ask again
            Pending,  // nothing until a transfer ends or the wait ends
            Finished, // every step has been taken (or the command was stopped)
        };
        Kind kind = Kind::Pending;
        std::vector<Transfer> transfers = {};
        Pace pace = {};
    };

    // Whether a wait is run when nobody is left to give time to: the window keeps the fixed waits
    // before a step whatever happened (the operator sees the same command take the same time);
    // q7ctl, which reports per player, skips them. A wait for fetches ends with them in both.
    enum class Waits { WhilePlayersGo, Always };

    Sequence(const Command& command, std::vector<Target> targets, SequenceFiles files,
             Waits waits = Waits::WhilePlayersGo);

    Next next();
    // A transfer handed out by next() has ended (at `ended`, for a front end that learns of it later).
    void transferEnded(size_t player, const TransferOutcome& outcome, Clock::time_point ended = Clock::now());
    void waitEnded();
    // No further step: every player still going is stopped with `reason`. Transfers under way go
    // on until the front end ends them (see running()); their ends change nothing any more.
    void stop(const std::string& reason);

    const Command& command() const { return m_command; }
    const std::vector<Player>& players() const { return m_players; }
    // Every step has been taken, or the command was stopped.
    bool finished() const;
    // Not finished, or a fetch is still being written: a front end that closes must wait for
    // the command or stop it. Puts still under way after the last step may go on by themselves.
    bool busy() const;
    bool stopped() const { return m_stopped; }
    // The players whose transfer is under way (also after stop()).
    std::vector<size_t> running() const;
    // The current wait's pace while the front end runs it. A wait for fetches may end by a
    // transfer's end: the front end then finds waiting() false and asks again.
    bool waiting() const { return m_waiting; }
    const Pace& pace() const;

    // A player's outcome: true when it went through every step.
    bool done(size_t player) const;
    // "done", or "failed (reason)".
    std::string outcomeText(size_t player) const;

private:
    std::optional<Transfer> transferFor(size_t player, const Step& step);
    // A fetch handed out has not reported its end yet.
    bool fetching() const;
    void fail(size_t player, std::string reason);

    const Command& m_command;
    std::vector<Player> m_players;
    SequenceFiles m_files;
    size_t m_step = 0;
    bool m_waiting = false;
    bool m_stopped = false;
    Waits m_waits;
};

}  // namespace q7::commands
