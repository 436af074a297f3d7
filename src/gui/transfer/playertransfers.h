#pragma once
// What the pages need of the player list and the TFTP runner: which rows are checked, which
// players a command goes to, and running a command of the command table. The window hands it to
// the pages, so they never reach into the window itself.

#include "core/commands/sequence.h"

#include <QString>
#include <functional>
#include <vector>

class QObject;

namespace q7 {

struct CommandEnd;

class PlayerTransfers {
public:
    virtual ~PlayerTransfers() = default;

    virtual int rowCount() const = 0;
    // The first row from the top that carries a check mark, whatever its online state; -1 for none.
    virtual int firstCheckedRow() const = 0;
    virtual QString address(int row) const = 0;
    virtual QString name(int row) const = 0;
    // Checked and online: a row the runner addresses.
    virtual bool served(int row) const = 0;
    // The folder clients run in and fetched files ("Q7_" + row + "_" + suffix) land in.
    virtual QString workingDir() const = 0;

    // The players a command started now goes to: every served row for -1, else `row` when it is
    // served.
    virtual std::vector<commands::Target> targets(int row) const = 0;
    // Starts `command` for `targets`: its first clients start before this returns. `files` names
    // what its puts send; the empty command file and the fetch folder are filled in. `ended` hears of its end once (through
    // `receiver`, so it is not called once `receiver` is gone). The run goes on from the event
    // loop and deletes itself once nothing of it is busy.
    using Ended = std::function<void(const CommandEnd&)>;
    virtual void run(const commands::Command& command, std::vector<commands::Target> targets,
                     commands::SequenceFiles files, const QObject* receiver = nullptr, Ended ended = {}) = 0;
};

}  // namespace q7
