// q7ctl scan --address A.B.C.D | --network A.B.C.D/N [--rate PER_SECOND] [--add]: the window's
// address sweep of a /24, or the same sweep of a larger network at a bounded pace, and storing the
// players found.
#include "core/base/ipv4.h"
#include "core/base/textfile.h"
#include "core/base/translatable.h"
#include "core/platform/linuxnetwork.h"
#include "core/platform/programrun.h"
#include "core/players/networksearch.h"
#include "core/players/playerlist.h"
#include "core/settings/settingslock.h"
#include "ctl/progress.h"
#include "ctl/report.h"
#include "ctl/session.h"
#include "ctl/subcommands.h"
#include "ctl/translate.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string_view>

namespace q7::ctl {
namespace {

using namespace std::chrono_literals;

constexpr OptionSpec kOptions[] = {
    {"--address", "A.B.C.D",
     Q7_TRANSLATABLE("q7ctl help", "an address of the network to sweep: hosts 2 to 254 of its /24")},
    {"--network", "A.B.C.D/N",
     Q7_TRANSLATABLE("q7ctl help", "sweep every host address of this network instead (N from 16 to 30)")},
    {"--rate", "PER_SECOND",
     Q7_TRANSLATABLE("q7ctl help", "with --network: addresses asked per second (1 to 300, default 100)")},
    {"--add", "",
     Q7_TRANSLATABLE("q7ctl help", "store new players in the settings file (refused while the window runs)")},
};

// A resolution that the kernel never ends is cut off by the resolver at 5 s; this only guards that.
constexpr auto kSweepLimit = 15s;

// The pace of a network sweep. The default is the window's (one address every 10 ms). The kernel
// asks for an absent address for about 3 s, so some 3 x RATE resolutions are under way at once,
// each a neighbour-table entry and a thread; the highest rate keeps them below the kernel's default
// table size (gc_thresh3, 1024 entries), beyond which new resolutions would fail and players be
// missed.
constexpr int kDefaultRate = 100;
constexpr int kMaxRate = 300;
constexpr int kMinPrefix = 16;
constexpr int kMaxPrefix = 30;

// What became of a player found; in English, as --json gives it, and looked up for the table.
//: What became of a player a scan found (its RESULT column).
constexpr const char* kFound = Q7_TRANSLATABLE("q7ctl", "found");
constexpr const char* kAlreadyListed = Q7_TRANSLATABLE("q7ctl", "already listed");
constexpr const char* kListFull = Q7_TRANSLATABLE("q7ctl", "not added: list full");
constexpr const char* kAdded = Q7_TRANSLATABLE("q7ctl", "added");
constexpr const char* kNotAdded = Q7_TRANSLATABLE("q7ctl", "not added");

struct Found {
    std::string address;
    std::string name;
    std::string hardware;
    const char* result = kFound;
};

uint32_t numeric(const std::string& address)
{
    in_addr parsed{};
    ::inet_pton(AF_INET, address.c_str(), &parsed);
    return ntohl(parsed.s_addr);
}

// Resolves `addresses` from the last down, one every `spacing`, as the window sweeps; on a terminal
// a progress line says how far it is.
std::vector<Found> sweep(std::vector<std::string> addresses, std::chrono::microseconds spacing,
                         const Session& session)
{
    const StopEvent& stop = session.stop();
    std::mutex mutex;
    std::vector<Found> found;
    LinuxAddressResolver resolver;
    LinuxEchoProbe probe;  // the search needs one; a sweep never uses it
    const auto onFound = [&](const FoundPlayer& player) {
        std::lock_guard lock(mutex);
        found.push_back({player.address, generatedPlayerName(player.hardware), hardwareAddressText(player.hardware)});
    };
    NetworkSearch search(resolver, probe, onFound, {});
    SweepLaunch launch(std::move(addresses));
    ProgressLine progress(session.atTerminal());
    const auto playersFound = [&] {
        size_t players = 0;
        {
            std::lock_guard lock(mutex);
            players = found.size();
        }
        return counted(long(players), translate("q7ctl", "%1 player found"), translate("q7ctl", "%1 players found"));
    };
    const size_t total = launch.addresses().size();
    const auto begin = std::chrono::steady_clock::now();
    while (!launch.finished() && !stop.requested()) {
        launch.launchNext(search);
        //: %1 is a percentage, %2 a number of addresses, %3 "5 players found".
        progress.show(
            fill(translate("q7ctl", "asked %1% of %2 addresses, %3"),
                 {std::to_string(size_t(launch.launched()) * 100 / total), std::to_string(total), playersFound()}));
        pauseFor(std::chrono::ceil<std::chrono::milliseconds>(launch.nextDue(begin, spacing) -
                                                              std::chrono::steady_clock::now()),
                 stop);
    }
    const auto deadline = std::chrono::steady_clock::now() + kSweepLimit;
    while (search.busy() && std::chrono::steady_clock::now() < deadline && pauseFor(10ms, stop))
        //: %1 is "5 players found".
        progress.show(fill(translate("q7ctl", "waiting for the last answers, %1"), {playersFound()}));
    search.stop();
    progress.clear();
    std::sort(found.begin(), found.end(),
              [](const Found& a, const Found& b) { return numeric(a.address) < numeric(b.address); });
    return found;
}

// A number of decimal digits without a leading zero within [low, high], else nothing.
std::optional<int> boundedNumber(std::string_view text, int low, int high)
{
    if (text.empty() || text.size() > 3 || (text.size() > 1 && text[0] == '0') ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int number = std::stoi(std::string(text));
    if (number < low || number > high)
        return std::nullopt;
    return number;
}

struct Sweep {
    std::vector<std::string> addresses;
    std::chrono::microseconds spacing;
    std::string what;  // for the note
};

// What --address or --network (with --rate) ask for; usage errors for anything else.
Sweep chosenSweep(const Arguments& args)
{
    const auto address = args.value("--address");
    const auto network = args.value("--network");
    const auto rate = args.value("--rate");
    if (address && network)
        throw UsageError(translate("q7ctl", "give --address or --network, not both"));
    if (!address && !network)
        throw UsageError(translate("q7ctl", "missing --address A.B.C.D or --network A.B.C.D/N"));
    if (address) {
        if (rate)
            throw UsageError(translate("q7ctl", "--rate goes with --network; --address sweeps at the window's pace"));
        const std::string checked = requireIPv4(*address, "--address");
        //: What is swept: %1 is the first three numbers of the addresses ("192.168.0").
        return {sweepAddresses(checked), kSweepSpacing,
                fill(translate("q7ctl", "%1.2 to .254 (about 6 s)"), {checked.substr(0, checked.rfind('.'))})};
    }
    const size_t slash = network->find('/');
    const std::string base = network->substr(0, slash);
    const std::optional<int> prefix =
        slash == std::string::npos ? std::nullopt
                                   : boundedNumber(std::string_view(*network).substr(slash + 1), kMinPrefix, kMaxPrefix);
    if (!prefix || !isIPv4Address(base))
        throw UsageError(fill(translate("q7ctl", "--network: '%1' is not a network A.B.C.D/N with N from %2 to %3 "
                                                 "(as 10.20.0.0/22)"),
                              {*network, std::to_string(kMinPrefix), std::to_string(kMaxPrefix)}));
    const std::optional<int> perSecond = rate ? boundedNumber(*rate, 1, kMaxRate) : kDefaultRate;
    if (!perSecond)
        throw UsageError(fill(translate("q7ctl", "--rate: '%1' is not a number of addresses per second (1 to %2)"),
                              {*rate, std::to_string(kMaxRate)}));
    std::vector<std::string> hosts = networkHostAddresses(numeric(base), *prefix);
    const size_t count = hosts.size();
    //: What is swept: %1 and %2 are the first and last address, %3 their number, %4 addresses a second.
    const std::string what = fill(translate("q7ctl", "%1 to %2, %3 addresses at %4 per second (about %5 s)"),
                                  {hosts.front(), hosts.back(), std::to_string(count), std::to_string(*perSecond),
                                   std::to_string(count / size_t(*perSecond) + 4)});
    return {std::move(hosts), std::chrono::microseconds(1'000'000 / *perSecond), what};
}

// Adds the players found to the settings file as the window's search adds them: no address twice,
// and no more players than the window reads back. Returns false with `error` when it cannot.
bool store(Session& session, std::vector<Found>& found, std::string& error)
{
    // The window may have started during the sweep: it would write its own list over ours.
    const SettingsLock lock = SettingsLock::acquire(session.settingsDir(), 2s, &error);
    if (!lock.held())
        return false;
    AppSettings settings = session.readSettings();
    bool changed = false;
    for (Found& player : found) {
        std::vector<std::string> listed;
        for (const StoredPlayer& stored : settings.players)
            listed.push_back(session.text(stored.address));
        switch (checkAddPlayer(listed, player.address, size_t(kPlayerSlots))) {
        case AddOutcome::AlreadyListed:
            player.result = kAlreadyListed;
            break;
        case AddOutcome::ListFull:
            player.result = kListFull;
            break;
        case AddOutcome::Added:
            settings.players.push_back({player.name, player.address});
            player.result = kAdded;
            changed = true;
            break;
        }
    }
    if (!changed)
        return true;
    try {
        if (session.settingsChosen())
            replaceTextFile(session.settingsPath(), buildAppSettingsFile(settings));
        else
            saveAppSettings(session.settingsDir(), settings);
    } catch (const FileError& e) {
        error = e.what();
        for (Found& player : found)
            if (player.result == kAdded)
                player.result = kNotAdded;
        return false;
    }
    return true;
}

int run(Session& session)
{
    if (!session.args().words().empty())
        throw UsageError(
            fill(translate("q7ctl", "%1 takes no words, not '%2'"), {"scan", session.args().words().front()}));
    Sweep chosen = chosenSweep(session.args());
    const bool add = session.args().flag("--add");
    if (add) {
        session.settings();  // an unreadable settings file is a usage error before anything is sent
        std::string why;
        if (!SettingsLock::acquire(session.settingsDir(), 0ms, &why).held()) {
            std::fprintf(stderr, "q7ctl: %s\n", fill(translate("q7ctl", "scan --add refused: %1"), {why}).c_str());
            return kExitFailed;
        }
    }
    session.note(fill(translate("q7ctl", "sweeping %1"), {chosen.what}));
    std::vector<Found> found = sweep(std::move(chosen.addresses), chosen.spacing, session);
    const bool interrupted = session.stop().requested();
    std::string error;
    const bool stored = !add || interrupted || found.empty() || store(session, found, error);

    //: Column headers of the table of players found (upper case, as the other tables' headers).
    Table table({translate("q7ctl", "ADDRESS"), translate("q7ctl", "NAME"), translate("q7ctl", "HARDWARE"),
                 translate("q7ctl", "RESULT")});
    for (const Found& player : found) {
        if (session.json())
            std::printf("%s\n", JsonObject()
                                    .add("address", player.address)
                                    .add("name", player.name)
                                    .add("hardware", player.hardware)
                                    .add("result", player.result)
                                    .text()
                                    .c_str());
        else
            table.add({player.address, player.name, player.hardware, translate("q7ctl", player.result)});
    }
    if (!session.json()) {
        if (found.empty())
            std::printf("%s\n", translate("q7ctl", "No players found.").c_str());
        else
            table.print();
    }
    if (interrupted)
        std::fprintf(
            stderr, "q7ctl: %s\n",
            (add ? translate("q7ctl", "sweep interrupted; nothing stored") : translate("q7ctl", "sweep interrupted"))
                .c_str());
    if (!stored)
        std::fprintf(stderr, "q7ctl: %s\n", fill(translate("q7ctl", "players not stored: %1"), {error}).c_str());
    return interrupted || !stored ? kExitFailed : kExitDone;
}

}  // namespace

const Subcommand kScanCommand{
    "scan",
    "--address A.B.C.D | --network A.B.C.D/N [--rate PER_SECOND] [--add]",
    Q7_TRANSLATABLE("q7ctl help",
                    "find players on the /24 of an address, as \"Search Q7\" does, or on a larger network; --add "
                    "stores them"),
    Q7_TRANSLATABLE("q7ctl help",
                    "With --address every address from host 2 to 254 is resolved (ARP) 10 ms apart, and each device\n"
                    "whose hardware address starts with a player prefix is shown, named \"Q7_\" and five digits. The\n"
                    "sweep ends about 6 s later. --network sweeps every host address of a network from a /16 to a /30\n"
                    "(not its network and broadcast addresses) by the same rules, --rate addresses per second\n"
                    "(default 100, the window's pace; at most 300, as the kernel keeps some 3 s of resolutions in its\n"
                    "neighbour table): a /22 takes about 14 s, a /16 about 11 minutes. On a terminal a progress line\n"
                    "shows how far it is. --add stores new players in the settings file (no address twice, at most\n"
                    "129 players); while the window runs in that folder it holds the settings file, and --add is\n"
                    "refused before anything is sent."),
    kOptions,
    kSettings,
    run,
};

}  // namespace q7::ctl
