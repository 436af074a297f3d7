// q7ctl players [--ping]: the stored player list, and with --ping each player's online state.
#include "ctl/report.h"
#include "ctl/session.h"
#include "ctl/subcommands.h"
#include "core/platform/linuxnetwork.h"
#include "core/platform/programrun.h"
#include "core/players/history.h"
#include "core/players/networksearch.h"

#include <ctime>
#include <map>
#include <memory>
#include <mutex>

namespace q7::ctl {
namespace {

using namespace std::chrono_literals;

constexpr OptionSpec kOptions[] = {
    {"--ping", "", "send each player one ICMP echo (300 ms limit) and show its online state and round trip"},
    {"--history", "", "add what the window's player history knows: last seen, first and last found, outages in 7 days"},
};

std::optional<std::string> timeText(const std::optional<int64_t>& seconds)
{
    if (!seconds)
        return std::nullopt;
    const std::time_t time = std::time_t(*seconds);
    std::tm local{};
    localtime_r(&time, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

// Round trips by address, one echo pass per player so that all are probed at once; a player
// without a reply reports at least the time limit. Players not probed before a stop are missing.
std::map<std::string, int> pingAll(const std::vector<Target>& players, const StopEvent& stop)
{
    std::mutex mutex;
    std::map<std::string, int> trips;
    LinuxAddressResolver resolver;  // the search needs one; echo passes never use it
    LinuxEchoProbe probe;
    const auto echoed = [&](const EchoReport& report) {
        std::lock_guard lock(mutex);
        trips[report.address] = report.roundTripMs;
    };
    NetworkSearch search(resolver, probe, {}, echoed);
    for (const Target& player : players)
        search.startEchoPass({player.address});
    while (search.busy() && pauseFor(10ms, stop)) {
    }
    search.stop();
    return trips;
}

int run(Session& session)
{
    if (!session.args().words().empty())
        throw UsageError("players takes no words, not '" + session.args().words().front() + "'");
    const bool chosen = session.args().flag("--all") || !session.args().values("--player").empty();
    const std::vector<Target> players = chosen ? session.targets() : session.listedPlayers();
    const bool ping = session.args().flag("--ping");
    const std::map<std::string, int> trips = ping ? pingAll(players, session.stop()) : std::map<std::string, int>();
    std::unique_ptr<PlayerHistory> history;
    if (session.args().flag("--history"))
        history = std::make_unique<PlayerHistory>(
            PlayerHistory::defaultPath(), [](const std::string& text) { std::fprintf(stderr, "q7ctl: %s\n", text.c_str()); },
            std::function<int64_t()>(), PlayerHistory::Access::ReadOnly);

    bool allOnline = true;
    std::vector<std::string> columns{"ROW", "NAME", "ADDRESS"};
    if (ping)
        columns.insert(columns.end(), {"STATE", "ROUND TRIP"});
    if (history)
        columns.insert(columns.end(), {"LAST SEEN", "OUTAGES (7 DAYS)"});
    Table table(columns);
    for (const Target& player : players) {
        JsonObject object;
        object.add("row", player.row).add("name", player.name).add("address", player.address);
        std::vector<std::string> row{std::to_string(player.row), player.name, player.address};
        if (ping) {
            const auto trip = trips.find(player.address);
            const bool online = trip != trips.end() && answeredInTime(trip->second);
            allOnline = allOnline && online;
            object.add("online", online);
            if (online)
                object.add("rtt_ms", trip->second);
            else
                object.add("rtt_ms", std::optional<std::string>());
            row.push_back(trip == trips.end() ? "not probed" : online ? "online" : "offline");
            row.push_back(online ? std::to_string(trip->second) + " ms" : "-");
        }
        if (history) {
            const PlayerSummary summary = history->summary(player.address);
            object.add("last_seen", timeText(summary.lastSeen))
                .add("first_found", timeText(summary.firstFound))
                .add("last_found", timeText(summary.lastFound))
                .add("outages_7d", summary.outages);
            row.push_back(timeText(summary.lastSeen).value_or("never"));
            row.push_back(std::to_string(summary.outages));
        }
        if (session.json())
            std::printf("%s\n", object.text().c_str());
        else
            table.add(std::move(row));
    }
    if (!session.json())
        table.print();
    return allOnline && !session.stop().requested() ? kExitDone : kExitFailed;
}

}  // namespace

const Subcommand kPlayersCommand{
    "players",
    "[--ping] [--history] [--player NAME|ADDRESS]... [--all]",
    "list the stored players (row, name, address); --ping adds whether each is online",
    "Without --player or --all every listed player is shown. With --ping every shown player gets one\n"
    "ICMP echo at once; a reply within 289 ms counts as online, as in the window. The exit status is 1\n"
    "when any probed player is offline. --history reads the window's player history\n"
    "($XDG_DATA_HOME/q7-config-tool/history.sqlite3): last seen (found by a sweep or answering an echo),\n"
    "first and last found by a sweep, and the outages (online-to-offline changes) of the last 7 days.",
    kOptions,
    kSettings | kTargets,
    run,
};

}  // namespace q7::ctl
