#pragma once
// What the TFTP runner decides without any widget: which rows a call serves, the client's argument
// vector and the Windows command line it stands for, how a finished client is judged, and how a
// fetched file reaches its name only when the fetch succeeded. A command-line front end reuses it.

#include "core/players/playerlist.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace q7 {

enum class TransferDirection { Put, Get };

// The TFTP client program and the package that installs it.
inline constexpr std::string_view kTftpProgram = "tftp";
inline constexpr std::string_view kTftpPackage = "tftp-hpa";

// One client start of a runner call (tftp-hpa's `tftp`).
struct TftpCommand {
    TransferDirection direction = TransferDirection::Put;
    int row = 0;
    std::string address;
    std::string remoteName;
    // Put: the local path sent. Get: the name callers look for, "Q7_" + row + "_" + suffix.
    std::string localName;
    // Get: the temporary name the client writes into, in the same folder; empty for a put.
    std::string clientName;
    // Get: the most bytes the temporary may reach (fetchByteLimit); 0 for a put.
    std::uintmax_t maxBytes = 0;
    std::string program;
    std::vector<std::string> arguments;
    // The command line of the Windows client this start stands for, shown to the operator.
    std::string description;
    // Why the client must not be started (a host or file name tftp would read as an option);
    // empty when it may. A refused command fails with this reason and starts nothing.
    std::string refusal;
};

// Rows a call addresses: every served row in ascending order for a negative `row`, else that row
// alone when it exists and is served.
// The rows listed at one of `addresses`, served or not: a retry goes to exactly those players.
std::vector<int> rowsAt(const std::vector<PlayerEntry>& entries, const std::set<std::string>& addresses);
std::vector<int> servedRows(const std::vector<PlayerEntry>& entries, int row);

// "Q7_" + row in decimal + "_" + suffix; the suffix may be empty.
std::string fetchedFileName(int row, std::string_view suffix);

// The players' TFTP port: Q7_TFTP_PORT when it holds a port number (1 to 65535), else "69".
std::string tftpPort();

// The most bytes a fetch of `remoteName` may write: a configuration file or a message file 1 MiB,
// the file index "/Q7files" 64 MiB, anything else 1 MiB. A device that sends endless data is cut
// off there. Q7_TEST_FETCH_LIMIT (a byte count, for tests) can only make the bound smaller.
std::uintmax_t fetchByteLimit(std::string_view remoteName);

// put = `tftp -m binary HOST PORT -c put LOCAL REMOTE` (binary, like the Windows client's "-i").
TftpCommand putCommand(int row, const std::string& address, const std::string& localPath,
                       const std::string& remoteName, const std::string& port);
// get = `tftp HOST PORT -c get REMOTE CLIENTNAME` in the client's default netascii mode, for the
// fetched name "Q7_" + row + "_" + suffix.
TftpCommand getCommand(int row, const std::string& address, const std::string& remoteName, const std::string& suffix,
                       const std::string& port, const std::string& clientName);
// The same get for a fetched name of the caller's choosing (the command-line tool names copies by
// address).
TftpCommand fetchCommand(int row, const std::string& address, const std::string& remoteName,
                         const std::string& localName, const std::string& port, const std::string& clientName);

// How a client process ended, as the process seam reports it.
enum class ClientEnd {
    NotStarted,  // `code` is the errno of the failed start
    Exited,      // `code` is the exit status
    Signalled,   // `code` is the signal number
};

// Gives a text marked with Q7_TRANSLATABLE in the operator's language (the window's translator).
// Without one the English stays, as the player history and q7ctl's --json keep it.
using Translate = std::function<std::string(const char* context, const char* text)>;

struct TransferOutcome {
    enum class Kind { Done, Failed, ClientNotFound };
    Kind kind = Kind::Failed;
    std::string reason;  // for Failed, in English

    // "done", "failed (reason)" or "tftp client not found (install tftp-hpa)". Translated, a reason
    // that is a fixed text is too; one with the client's own words stays as it came.
    std::string text(const Translate& translate = {}) const;
    bool done() const { return kind == Kind::Done; }
};

// tftp-hpa exits 0 when the server refuses ("Error code N: ..." on its output) and when the local
// file cannot be read (a message on its error output); only a timeout gives a non-zero status.
// So a transfer is done only when the client exited 0 and said nothing.
TransferOutcome judgeClientEnd(ClientEnd end, int code, std::string_view output);

// Creates an empty, uniquely named file for a fetch in `dir`, named "tftp-" + fetched name + "-" +
// six random letters or digits, so that callers looking for the fetched name never see a partial
// file and the shut-down clean-up (isFetchFileName) removes one left behind. Returns its name without the
// folder; empty with `error` set when it cannot be created.
std::string createFetchFile(const std::string& dir, const std::string& fetchedName, std::string* error);

// Whether `name` has the exact shape createFetchFile gives a fetch for a row,
// "tftp-Q7_<row>_<suffix>-XXXXXX": a user's "tftp-notes.txt" or "Tftpd.conf" does not.
bool isFetchFileName(std::string_view name);

// The outcome of a fetch cut off at its bound: "larger than N bytes".
TransferOutcome tooLarge(std::uintmax_t maxBytes);

// The outcome of a transfer the operator stopped: "stopped".
TransferOutcome stoppedOutcome();

// The outcome of a client still running at `limit`: "no end within N s", N rounded up.
TransferOutcome overdue(std::chrono::milliseconds limit);

// Ends a fetch: when `outcome` is done the client's file is renamed to the fetched name (replacing
// an older copy), otherwise it is removed. A failed rename turns the outcome into a failure.
TransferOutcome finishFetch(const std::string& dir, const std::string& clientName, const std::string& fetchedName,
                            TransferOutcome outcome);

// The client's start as a shell would read it: the program and its arguments, each quoted where
// it holds anything but plain characters ("tftp -m binary 127.0.0.2 69 -c put '/a b.lst' /play.lst").
std::string startedCommandLine(const TftpCommand& command);

// "3 of 4 players done".
std::string summaryText(int done, int total, const Translate& translate = {});

}  // namespace q7
