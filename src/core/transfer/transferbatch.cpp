#include "core/transfer/transferbatch.h"

#include "core/base/translatable.h"

namespace q7 {
namespace {

TransferOutcome judge(const ProgramEnd& end, std::chrono::milliseconds limit, bool stopped, std::uintmax_t maxBytes)
{
    // Ctrl-C at a terminal reaches the clients as well, and some end by it before they are killed.
    if (stopped && end.how == ProgramEnd::How::Signalled)
        //: Why a transfer failed: the command was interrupted (Ctrl-C) while the client ran.
        return {TransferOutcome::Kind::Failed, Q7_TRANSLATABLE("Transfers", "interrupted")};
    switch (end.how) {
    case ProgramEnd::How::NotStarted:
        return judgeClientEnd(ClientEnd::NotStarted, end.code, end.output);
    case ProgramEnd::How::Exited:
        return judgeClientEnd(ClientEnd::Exited, end.code, end.output);
    case ProgramEnd::How::Signalled:
        return judgeClientEnd(ClientEnd::Signalled, end.code, end.output);
    case ProgramEnd::How::Overdue:
        return overdue(limit);
    case ProgramEnd::How::TooLarge:
        return tooLarge(maxBytes);
    case ProgramEnd::How::Stopped:
        break;
    }
    return {TransferOutcome::Kind::Failed, Q7_TRANSLATABLE("Transfers", "interrupted")};
}

}  // namespace

std::vector<TransferEnd> runTransfers(const std::vector<TftpCommand>& commands, const std::string& dir,
                                      const StopEvent& stop, std::chrono::milliseconds limit,
                                      const RunningCount& running, size_t maxRunning)
{
    std::vector<ProgramRun> runs;
    for (const TftpCommand& command : commands)
        if (command.refusal.empty())
            runs.push_back({command.program, command.arguments,
                            command.direction == TransferDirection::Get ? command.clientName : std::string(),
                            command.maxBytes});
    const auto now = std::chrono::steady_clock::now();
    const std::vector<ProgramEnd> ends = runPrograms(runs, dir, limit, stop, running, maxRunning);
    std::vector<TransferEnd> outcomes;
    size_t run = 0;
    for (size_t i = 0; i < commands.size(); ++i) {
        if (!commands[i].refusal.empty()) {  // never started
            TransferOutcome outcome{TransferOutcome::Kind::Failed, commands[i].refusal};
            if (commands[i].direction == TransferDirection::Get)
                outcome = finishFetch(dir, commands[i].clientName, commands[i].localName, outcome);
            outcomes.push_back({std::move(outcome), now});
            continue;
        }
        const ProgramEnd& end = ends[run++];
        TransferOutcome outcome = judge(end, limit, stop.requested(), commands[i].maxBytes);
        if (commands[i].direction == TransferDirection::Get)
            outcome = finishFetch(dir, commands[i].clientName, commands[i].localName, outcome);
        outcomes.push_back({std::move(outcome), end.ended});
    }
    return outcomes;
}

}  // namespace q7
