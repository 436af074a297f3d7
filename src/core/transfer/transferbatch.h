#pragma once
// The clients of one runner call run to their end and judged, for front ends that may block (the
// command-line tool): every client starts at once unless their number is bounded, each is bounded
// in time, a stop request ends them all, and a fetch reaches its name only when it succeeded (see
// tftpcommand.h).

#include "core/platform/programrun.h"
#include "core/transfer/tftpcommand.h"

#include <chrono>
#include <string>
#include <vector>

namespace q7 {

// tftp-hpa gives up by itself after 25 s of silence; the bound only catches a client that hangs.
inline constexpr std::chrono::seconds kTransferLimit{60};

struct TransferEnd {
    TransferOutcome outcome;
    std::chrono::steady_clock::time_point ended;  // each client's own end
};

// Runs `commands` in `dir` (where fetches land) and returns their ends in the same order. A
// client still running at `limit` fails with "no end within N s", one stopped by `stop` with
// "interrupted"; their fetch files are removed like those of any failed fetch. At most
// `maxRunning` clients run at once (0: all), the next starting as one ends, each with `limit`
// from its own start. `running` hears how many clients have not ended yet (see runPrograms).
std::vector<TransferEnd> runTransfers(const std::vector<TftpCommand>& commands, const std::string& dir,
                                      const StopEvent& stop, std::chrono::milliseconds limit = kTransferLimit,
                                      const RunningCount& running = {}, size_t maxRunning = 0);

}  // namespace q7
