// q7ctl players [--ping] [--history] [--format table|json|openmetrics]: the stored player list, with
// --ping each player's online state, with --history what the window's history knows; as a table,
// JSON lines or metrics for a monitoring system.
#include "core/base/translatable.h"
#include "core/platform/linuxnetwork.h"
#include "core/platform/programrun.h"
#include "core/players/history.h"
#include "core/players/networksearch.h"
#include "ctl/report.h"
#include "ctl/session.h"
#include "ctl/subcommands.h"
#include "ctl/translate.h"

#include <algorithm>
#include <ctime>
#include <map>
#include <memory>
#include <mutex>

namespace q7::ctl {
namespace {

using namespace std::chrono_literals;

constexpr OptionSpec kOptions[] = {
    {"--ping", "",
     Q7_TRANSLATABLE("q7ctl help",
                     "send each player one ICMP echo (300 ms limit) and show its online state and round trip")},
    {"--history", "",
     Q7_TRANSLATABLE("q7ctl help",
                     "add what the window's player history knows: last seen, first and last found, outages in 7 days")},
    {"--format", "FORMAT",
     Q7_TRANSLATABLE("q7ctl help", "table (the default), json (as --json) or openmetrics (metrics for node_exporter)")},
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

enum class Format { Table, Json, OpenMetrics };

Format chosenFormat(const Session& session)
{
    const auto given = session.args().value("--format");
    const Format format =
        !given              ? (session.json() ? Format::Json : Format::Table)
        : *given == "table" ? Format::Table
        : *given == "json"  ? Format::Json
        : *given == "openmetrics"
            ? Format::OpenMetrics
            : throw UsageError(fill(translate("q7ctl", "--format: '%1' is not table, json or openmetrics"), {*given}));
    if (session.json() && format != Format::Json)
        throw UsageError(translate("q7ctl", "--json goes with --format json only"));
    return format;
}

// "0.004" for 4 ms.
std::string secondsValue(int ms)
{
    char text[24];
    std::snprintf(text, sizeof text, "%d.%03d", ms / 1000, ms % 1000);
    return text;
}

struct PlayerState {
    const Target& player;
    std::optional<bool> online;  // nothing when not probed
    int roundTripMs = 0;
    PlayerSummary summary;
};

// Families of metrics one after another, each with a sample per player that has a value: online
// state and round trip with --ping (none for a player the run did not get to probe, no round trip
// for an offline one), outages from the history always.
std::string metricsText(const std::vector<PlayerState>& states, bool ping)
{
    MetricsText metrics;
    const auto labels = [](const PlayerState& state) {
        return MetricsText::Labels{{"name", state.player.name}, {"address", state.player.address}};
    };
    if (ping) {
        metrics.gauge("q7_player_up", "1 when the player answered an ICMP echo within 289 ms, else 0.");
        for (const PlayerState& state : states)
            if (state.online)
                metrics.sample(labels(state), *state.online ? "1" : "0");
        metrics.gauge("q7_player_rtt_seconds", "Round trip of the ICMP echo of an online player.", "seconds");
        for (const PlayerState& state : states)
            if (state.online.value_or(false))
                metrics.sample(labels(state), secondsValue(state.roundTripMs));
    }
    metrics.gauge("q7_player_outages_7d",
                  "Online-to-offline changes of the player in the last 7 days, from the window's player history.");
    for (const PlayerState& state : states)
        metrics.sample(labels(state), std::to_string(state.summary.outages));
    return metrics.text();
}

int run(Session& session)
{
    if (!session.args().words().empty())
        throw UsageError(
            fill(translate("q7ctl", "%1 takes no words, not '%2'"), {"players", session.args().words().front()}));
    const bool chosen = session.args().flag("--all") || !session.args().values("--player").empty();
    const std::vector<Target> players = chosen ? session.targets() : session.listedPlayers();
    const Format format = chosenFormat(session);
    const bool ping = session.args().flag("--ping");
    const std::map<std::string, int> trips = ping ? pingAll(players, session.stop()) : std::map<std::string, int>();
    std::unique_ptr<PlayerHistory> history;
    if (session.args().flag("--history") || format == Format::OpenMetrics)
        history = std::make_unique<PlayerHistory>(
            PlayerHistory::defaultPath(), [](const std::string& text) { std::fprintf(stderr, "q7ctl: %s\n", text.c_str()); },
            std::function<int64_t()>(), PlayerHistory::Access::ReadOnly);

    std::vector<PlayerState> states;
    for (const Target& player : players) {
        PlayerState& state = states.emplace_back(PlayerState{player, std::nullopt, 0, {}});
        if (const auto trip = trips.find(player.address); trip != trips.end()) {
            state.online = answeredInTime(trip->second);
            state.roundTripMs = trip->second;
        }
        if (history)
            state.summary = history->summary(player.address);
    }
    const bool allOnline = std::all_of(states.begin(), states.end(),
                                       [](const PlayerState& state) { return state.online.value_or(false); });
    const int status = (allOnline || !ping) && !session.stop().requested() ? kExitDone : kExitFailed;
    if (format == Format::OpenMetrics) {
        std::fputs(metricsText(states, ping).c_str(), stdout);
        return status;
    }

    //: Column headers of the players table (upper case, as the other tables' headers).
    std::vector<std::string> columns{translate("q7ctl", "ROW"), translate("q7ctl", "NAME"),
                                     translate("q7ctl", "ADDRESS")};
    if (ping)
        columns.insert(columns.end(), {translate("q7ctl", "STATE"), translate("q7ctl", "ROUND TRIP")});
    if (history)
        columns.insert(columns.end(), {translate("q7ctl", "LAST SEEN"), translate("q7ctl", "OUTAGES (7 DAYS)")});
    Table table(columns);
    for (const PlayerState& state : states) {
        const Target& player = state.player;
        JsonObject object;
        object.add("row", player.row).add("name", player.name).add("address", player.address);
        std::vector<std::string> row{std::to_string(player.row), player.name, player.address};
        if (ping) {
            const bool online = state.online.value_or(false);
            object.add("online", online);
            if (online)
                object.add("rtt_ms", state.roundTripMs);
            else
                object.add("rtt_ms", std::optional<std::string>());
            //: A player's state: not probed (the run was stopped before its echo), online or offline.
            row.push_back(!state.online ? translate("q7ctl", "not probed")
                          : online      ? translate("q7ctl", "online")
                                        : translate("q7ctl", "offline"));
            row.push_back(online ? fill(translate("q7ctl", "%1 ms"), {std::to_string(state.roundTripMs)}) : "-");
        }
        if (history) {
            const PlayerSummary& summary = state.summary;
            object.add("last_seen", timeText(summary.lastSeen))
                .add("first_found", timeText(summary.firstFound))
                .add("last_found", timeText(summary.lastFound))
                .add("outages_7d", summary.outages);
            //: Last seen: never.
            row.push_back(timeText(summary.lastSeen).value_or(translate("q7ctl", "never")));
            row.push_back(std::to_string(summary.outages));
        }
        if (format == Format::Json)
            std::printf("%s\n", object.text().c_str());
        else
            table.add(std::move(row));
    }
    if (format == Format::Table)
        table.print();
    return status;
}

}  // namespace

const Subcommand kPlayersCommand{
    "players",
    "[--ping] [--history] [--format table|json|openmetrics] [--player NAME|ADDRESS]... [--all]",
    Q7_TRANSLATABLE("q7ctl help", "list the stored players (row, name, address); --ping adds whether each is online"),
    Q7_TRANSLATABLE(
        "q7ctl help",
        "Without --player or --all every listed player is shown. With --ping every shown player gets one\n"
        "ICMP echo at once; a reply within 289 ms counts as online, as in the window. The exit status is 1\n"
        "when any probed player is offline. --history reads the window's player history\n"
        "($XDG_DATA_HOME/q7-config-tool/history.sqlite3): last seen (found by a sweep or answering an echo),\n"
        "first and last found by a sweep, and the outages (online-to-offline changes) of the last 7 days.\n"
        "--format openmetrics prints, for a monitoring system (node_exporter's textfile collector),\n"
        "q7_player_up and q7_player_rtt_seconds with --ping and q7_player_outages_7d from the history,\n"
        "each labelled by name and address, ending in \"# EOF\"; the exit status is as for the table."),
    kOptions,
    kSettings | kTargets,
    run,
};

}  // namespace q7::ctl
