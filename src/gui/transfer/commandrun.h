#pragma once
// One command of the command table running in the window: it owns the command's sequencer and
// drives it from the event loop. Each step's clients start through the runner (logged as the
// command's transfers), each client's end is handed back to the sequencer, and each wait runs on
// the wait panel with a timer: its bar shows `from` at once, moves one position per step and the
// wait ends (to - from + 1) steps after it began, or, for a wait that only lets fetches arrive, as
// soon as the last of them has ended. Nothing waits in a nested event loop, so a click
// is never re-entered and the window may close at any time; a command that is stopped (Cancel,
// or the window closing) takes no further step and ends its running clients.
//
// When every step has been taken it opens the fetched copies that arrived (for a command that
// shows them), reports its end once, and deletes itself as soon as no fetch of it is still being
// written. Puts still under way after its last step go on without it.

#include "core/commands/sequence.h"
#include "gui/transfer/transferrunner.h"
#include "gui/widgets/waitpanel.h"

#include <QElapsedTimer>
#include <QObject>
#include <map>
#include <string>
#include <vector>

class QTimer;

namespace q7 {

class CodePage;
class Viewer;

// How one player fared in a command.
struct PlayerOutcome {
    commands::Target target = {};
    bool done = false;         // it went through every step
    std::string text = {};     // "done", or "failed (reason)"
    std::string fetched = {};  // the full path of its fetched copy, when one arrived
};

// A command's end as its callers see it.
struct CommandEnd {
    bool stopped = false;  // stopped before it had taken every step
    std::vector<PlayerOutcome> players = {};
};

class CommandRun : public QObject {
    Q_OBJECT
public:
    struct Context {
        TransferRunner& runner;
        WaitPanel& panel;
        Viewer& viewer;
        const CodePage& codePage;  // of the copies, for the tool's own window when no viewer opens them
        double waitScale = 1.0;  // scales each wait's step (tests run them at 0)
    };

    CommandRun(Context context, const commands::Command& command, std::vector<commands::Target> targets,
               commands::SequenceFiles files, QObject* parent = nullptr);

    // Takes the first steps: the first clients start before this returns.
    void start();
    // No further step: running clients are ended (a fetch's temporary removed), the wait stops,
    // and the end is reported if it was not yet.
    void stop();

    const commands::Command& command() const { return m_sequence.command(); }
    // Steps left, or a fetch still being written.
    bool busy() const { return m_sequence.busy(); }
    bool ended() const { return m_ended; }

signals:
    // Once, when every step has been taken or the command was stopped.
    void commandEnded(const q7::CommandEnd& end);
    // Nothing of it is busy any more; it deletes itself next.
    void over();

private:
    void advance();
    void startClients(const std::vector<commands::Sequence::Transfer>& transfers);
    void beginWait(const commands::Pace& pace);
    // The wait's current position on the panel, with what it waits for and the seconds left.
    void showWaitStep();
    void tick();
    void scheduleTick();
    void finish();
    void clientEnded(size_t player, const TransferOutcome& outcome);
    void checkOver();
    // Transfers of the step just handed out that failed before a client could start.
    std::vector<TransferRunner::Refusal> newRefusals(const commands::Step& step);

    Context m_context;
    commands::Sequence m_sequence;
    std::map<size_t, TransferRunner::ClientId> m_clients;  // by player, while its client runs
    std::vector<bool> m_failureSeen;  // by player: its failure is in the log already
    QTimer* m_tick = nullptr;
    QElapsedTimer m_waitClock;
    commands::Pace m_pace;
    int m_ticks = 0;  // positions moved in the current wait
    WaitPanel::Turn m_turn = 0;  // held from the first wait until the end
    bool m_advancing = false;
    bool m_advanceAgain = false;
    bool m_ended = false;
    bool m_over = false;
};

}  // namespace q7
