#include "core/transfer/tftpcommand.h"

#include "core/base/translatable.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace q7 {
namespace {

constexpr size_t kMaxReasonLength = 160;

// The first line of the client's output that holds any text, without control characters.
std::string firstLine(std::string_view output)
{
    while (!output.empty()) {
        const size_t end = output.find_first_of("\r\n");
        std::string line;
        for (char c : output.substr(0, end))
            if (static_cast<unsigned char>(c) >= 0x20)
                line += c;
        const size_t first = line.find_first_not_of(' ');
        if (first != std::string::npos) {
            line = line.substr(first, kMaxReasonLength);
            return line.substr(0, line.find_last_not_of(' ') + 1);
        }
        if (end == std::string_view::npos)
            break;
        output.remove_prefix(end + 1);
    }
    return {};
}

TransferOutcome failed(std::string reason) { return {TransferOutcome::Kind::Failed, std::move(reason)}; }

// The transfer texts as `translate` gives them, English without it.
std::string shown(const Translate& translate, const std::string& text)
{
    return translate ? translate("Transfers", text.c_str()) : text;
}

// `pattern` with "%1" and "%2" replaced, in one pass: a value holding "%2" stays as it is.
std::string filled(std::string_view pattern, const std::string& first, const std::string& second = {})
{
    std::string text;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && (pattern[i + 1] == '1' || pattern[i + 1] == '2'))
            text += pattern[++i] == '1' ? first : second;
        else
            text += pattern[i];
    }
    return text;
}

// Reasons made of a pattern and the words that fill its %1 (a number, the player's or the system's
// words). They are made from these and, when shown, matched against them, so that they are
// translated whole.
//: Why a transfer failed: %1 is the system's reason.
constexpr const char* kCannotStart = Q7_TRANSLATABLE("Transfers", "cannot start the client: %1");
//: Why a transfer failed: %1 is a signal number.
constexpr const char* kSignalled = Q7_TRANSLATABLE("Transfers", "client ended by signal %1");
//: Why a transfer failed: the player refused; %1 is its own words ("File not found").
constexpr const char* kRefused = Q7_TRANSLATABLE("Transfers", "refused: %1");
//: Why a transfer failed: %1 is the TFTP client's exit status.
constexpr const char* kExitStatus = Q7_TRANSLATABLE("Transfers", "client exit status %1");
//: Why a fetch failed: the player sent more than %1 bytes.
constexpr const char* kTooLarge = Q7_TRANSLATABLE("Transfers", "larger than %1 bytes");
//: Why a transfer failed: its client did not end within %1 seconds.
constexpr const char* kOverdue = Q7_TRANSLATABLE("Transfers", "no end within %1 s");
constexpr const char* kReasonPatterns[] = {kCannotStart, kSignalled, kRefused, kExitStatus, kTooLarge, kOverdue};

// A reason as `translate` gives it; one with no catalog entry (the client's words) comes back unchanged.
std::string shownReason(const Translate& translate, const std::string& reason)
{
    for (const std::string_view pattern : kReasonPatterns) {
        const size_t mark = pattern.find("%1");
        const std::string_view head = pattern.substr(0, mark), tail = pattern.substr(mark + 2);
        if (reason.size() >= head.size() + tail.size() && reason.starts_with(head) && reason.ends_with(tail))
            return filled(shown(translate, std::string(pattern)),
                          reason.substr(head.size(), reason.size() - head.size() - tail.size()));
    }
    return shown(translate, reason);
}

std::string pathIn(const std::string& dir, const std::string& name) { return dir.empty() ? name : dir + "/" + name; }

// tftp-hpa documents no way to end its options ("--"), so a host, local or remote name that
// begins with "-" is never passed: it could be taken as an option ("-V", "-c").
std::string optionLikeArgument(const TftpCommand& c)
{
    const std::pair<const char*, const std::string*> checked[] = {
        {"host", &c.address},
        {"local name", c.direction == TransferDirection::Put ? &c.localName : &c.clientName},
        {"remote name", &c.remoteName},
    };
    for (const auto& [what, text] : checked)
        if (text->starts_with('-'))
            return std::string("not sent: the ") + what + " \"" + *text + "\" would reach tftp as an option";
    return {};
}

}  // namespace

std::vector<int> rowsAt(const std::vector<PlayerEntry>& entries, const std::set<std::string>& addresses)
{
    std::vector<int> rows;
    for (size_t r = 0; r < entries.size(); ++r)
        if (addresses.count(entries[r].address))
            rows.push_back(int(r));
    return rows;
}

std::vector<int> servedRows(const std::vector<PlayerEntry>& entries, int row)
{
    std::vector<int> rows;
    const int count = int(entries.size());
    for (int r = row < 0 ? 0 : row; r < (row < 0 ? count : std::min(row + 1, count)); ++r)
        if (entries[size_t(r)].served())
            rows.push_back(r);
    return rows;
}

std::string fetchedFileName(int row, std::string_view suffix)
{
    return "Q7_" + std::to_string(row) + "_" + std::string(suffix);
}

std::string tftpPort()
{
    const char* text = std::getenv("Q7_TFTP_PORT");
    if (!text)
        return "69";
    const std::string_view value(text);
    int port = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), port);
    if (ec != std::errc() || end != value.data() + value.size() || port < 1 || port > 65535)
        return "69";
    return std::to_string(port);
}

std::uintmax_t fetchByteLimit(std::string_view remoteName)
{
    constexpr std::uintmax_t kMiB = 1024 * 1024;
    struct Bound {
        std::string_view remote;
        std::uintmax_t bytes;
    };
    // Generous for real files: a config.conf is a few KiB, a disk index some MiB at most.
    constexpr Bound kBounds[] = {
        {"/config.conf", 1 * kMiB},
        {"/Q7files", 64 * kMiB},
        {"/message_old.txt", 1 * kMiB},
    };
    std::uintmax_t bytes = 1 * kMiB;
    for (const Bound& bound : kBounds)
        if (bound.remote == remoteName)
            bytes = bound.bytes;
    if (const char* text = std::getenv("Q7_TEST_FETCH_LIMIT")) {
        const std::string_view value(text);
        std::uintmax_t test = 0;
        const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), test);
        if (ec == std::errc() && end == value.data() + value.size() && test > 0)
            bytes = std::min(bytes, test);
    }
    return bytes;
}

TftpCommand putCommand(int row, const std::string& address, const std::string& localPath,
                       const std::string& remoteName, const std::string& port)
{
    TftpCommand c;
    c.direction = TransferDirection::Put;
    c.row = row;
    c.address = address;
    c.remoteName = remoteName;
    c.localName = localPath;
    c.program = kTftpProgram;
    c.arguments = {"-m", "binary", address, port, "-c", "put", localPath, remoteName};
    c.description = "tftp -i " + address + " PUT \"" + localPath + "\" " + remoteName;
    c.refusal = optionLikeArgument(c);
    return c;
}

TftpCommand getCommand(int row, const std::string& address, const std::string& remoteName, const std::string& suffix,
                       const std::string& port, const std::string& clientName)
{
    return fetchCommand(row, address, remoteName, fetchedFileName(row, suffix), port, clientName);
}

TftpCommand fetchCommand(int row, const std::string& address, const std::string& remoteName,
                         const std::string& localName, const std::string& port, const std::string& clientName)
{
    TftpCommand c;
    c.direction = TransferDirection::Get;
    c.row = row;
    c.address = address;
    c.remoteName = remoteName;
    c.localName = localName;
    c.clientName = clientName;
    c.maxBytes = fetchByteLimit(remoteName);
    c.program = kTftpProgram;
    c.arguments = {address, port, "-c", "get", remoteName, clientName};
    c.description = "tftp " + address + " GET " + remoteName + " " + c.localName;
    c.refusal = optionLikeArgument(c);
    return c;
}

std::string TransferOutcome::text(const Translate& translate) const
{
    switch (kind) {
    case Kind::Done:
        //: A transfer's outcome in the transfer log: the player took or gave the file.
        return shown(translate, Q7_TRANSLATABLE("Transfers", "done"));
    case Kind::ClientNotFound:
        //: A transfer's outcome: %1 is the Debian package to install ("tftp-hpa").
        return filled(shown(translate, Q7_TRANSLATABLE("Transfers", "tftp client not found (install %1)")),
                      std::string(kTftpPackage));
    case Kind::Failed:
        break;
    }
    //: A transfer's outcome: %1 is why it failed.
    return filled(shown(translate, Q7_TRANSLATABLE("Transfers", "failed (%1)")), shownReason(translate, reason));
}

TransferOutcome judgeClientEnd(ClientEnd end, int code, std::string_view output)
{
    switch (end) {
    case ClientEnd::NotStarted:
        if (code == ENOENT)
            return {TransferOutcome::Kind::ClientNotFound, {}};
        return failed(filled(kCannotStart, std::strerror(code)));
    case ClientEnd::Signalled:
        return failed(filled(kSignalled, std::to_string(code)));
    case ClientEnd::Exited:
        break;
    }
    if (output.find("Transfer timed out") != std::string_view::npos)
        //: Why a transfer failed: the player did not answer the TFTP client in time.
        return failed(Q7_TRANSLATABLE("Transfers", "timed out"));
    constexpr std::string_view kRefusal = "Error code ";
    if (const size_t at = output.find(kRefusal); at != std::string_view::npos) {
        const std::string line = firstLine(output.substr(at + kRefusal.size()));
        const size_t colon = line.find(": ");
        return failed(filled(kRefused, colon == std::string::npos ? line : line.substr(colon + 2)));
    }
    if (std::string line = firstLine(output); !line.empty())
        return failed(std::move(line));
    if (code != 0)
        return failed(filled(kExitStatus, std::to_string(code)));
    return {TransferOutcome::Kind::Done, {}};
}

std::string createFetchFile(const std::string& dir, const std::string& fetchedName, std::string* error)
{
    std::string pattern = pathIn(dir, "tftp-" + fetchedName + "-XXXXXX");
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) {
        if (error)
            *error = "cannot create a file in \"" + dir + "\": " + std::strerror(errno);
        return {};
    }
    ::close(fd);
    return pattern.substr(pattern.size() - (fetchedName.size() + 12));
}

bool isFetchFileName(std::string_view name)
{
    constexpr std::string_view kPrefix = "tftp-Q7_";
    constexpr size_t kTail = 7;  // "-XXXXXX"
    if (!name.starts_with(kPrefix) || name.size() < kPrefix.size() + 2 + kTail)
        return false;
    name.remove_prefix(kPrefix.size());
    const std::string_view tail = name.substr(name.size() - kTail);
    if (tail[0] != '-')
        return false;
    for (char c : tail.substr(1))
        if (!std::isalnum(static_cast<unsigned char>(c)))
            return false;
    name.remove_suffix(kTail);
    const size_t digits = name.find_first_not_of("0123456789");
    if (digits == 0 || digits == std::string_view::npos || name[digits] != '_')
        return false;
    return name.find('/') == std::string_view::npos;
}

TransferOutcome tooLarge(std::uintmax_t maxBytes)
{
    return failed(filled(kTooLarge, std::to_string(maxBytes)));
}

//: Why a transfer failed: the operator stopped it (Cancel, or closing the window).
TransferOutcome stoppedOutcome() { return failed(Q7_TRANSLATABLE("Transfers", "stopped")); }

TransferOutcome overdue(std::chrono::milliseconds limit)
{
    return failed(filled(kOverdue, std::to_string(std::chrono::ceil<std::chrono::seconds>(limit).count())));
}

TransferOutcome finishFetch(const std::string& dir, const std::string& clientName, const std::string& fetchedName,
                            TransferOutcome outcome)
{
    const std::string client = pathIn(dir, clientName);
    if (!outcome.done()) {
        ::unlink(client.c_str());
        return outcome;
    }
    if (::rename(client.c_str(), pathIn(dir, fetchedName).c_str()) != 0) {
        const int err = errno;
        ::unlink(client.c_str());
        return failed("cannot store " + fetchedName + ": " + std::strerror(err));
    }
    return outcome;
}

std::string startedCommandLine(const TftpCommand& command)
{
    const auto quoted = [](const std::string& word) {
        constexpr std::string_view kPlain = "-_./:@%+=,";
        const bool plain = !word.empty() && std::all_of(word.begin(), word.end(), [kPlain](char c) {
            return std::isalnum(static_cast<unsigned char>(c)) || kPlain.find(c) != std::string_view::npos;
        });
        if (plain)
            return word;
        std::string out = "'";
        for (const char c : word)
            out += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return out + "'";
    };
    std::string line = quoted(command.program);
    for (const std::string& argument : command.arguments)
        line += " " + quoted(argument);
    return line;
}

std::string summaryText(int done, int total, const Translate& translate)
{
    //: Summary line of a call in the transfer log: %1 players done of %2 addressed (here 1).
    return filled(shown(translate, total == 1 ? Q7_TRANSLATABLE("Transfers", "%1 of %2 player done")
                                              : Q7_TRANSLATABLE("Transfers", "%1 of %2 players done")),
                  std::to_string(done), std::to_string(total));
}

}  // namespace q7
