// q7ctl players [--ping]: the stored player list, and with --ping each player's online state.
#include "ctl/report.h"
#include "ctl/session.h"
#include "ctl/subcommands.h"
#include "platform/linuxnetwork.h"
#include "platform/programrun.h"
#include "players/networksearch.h"

#include <map>
#include <mutex>

namespace q7::ctl {
namespace {

using namespace std::chrono_literals;

constexpr OptionSpec kOptions[] = {
    {"--ping", "", "send each player one ICMP echo (300 ms limit) and show its online state and round trip"},
};

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

    bool allOnline = true;
    Table table(ping ? std::vector<std::string>{"ROW", "NAME", "ADDRESS", "STATE", "ROUND TRIP"}
                     : std::vector<std::string>{"ROW", "NAME", "ADDRESS"});
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
    "[--ping] [--player NAME|ADDRESS]... [--all]",
    "list the stored players (row, name, address); --ping adds whether each is online",
    "Without --player or --all every listed player is shown. With --ping every shown player gets one\n"
    "ICMP echo at once; a reply within 289 ms counts as online, as in the window. The exit status is 1\n"
    "when any probed player is offline.",
    kOptions,
    kSettings | kTargets,
    run,
};

}  // namespace q7::ctl
