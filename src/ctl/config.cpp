// q7ctl config get|put|diff: a player's config.conf fetched, put back, and compared across players,
// with the remote names and fixed waits of the window's Backup Config and Restore Config.
#include "core/base/textfile.h"
#include "core/config/addressfields.h"
#include "core/config/configdrift.h"
#include "core/config/configfile.h"
#include "ctl/action.h"
#include "ctl/subcommands.h"

#include <filesystem>
#include <map>
#include <optional>
#include <stdexcept>

namespace q7::ctl {
namespace {

constexpr OptionSpec kGetOptions[] = {
    {"--out", "DIR", "the folder for the fetched files (default: the current folder)"},
};
constexpr OptionSpec kPutOptions[] = {
    {"--keep-address", {}, "fetch each player's configuration first and keep its own network settings"},
};

void noWords(const Session& session)
{
    if (!session.args().words().empty())
        throw UsageError(std::string(session.subcommand().name) + " takes no words, not '" +
                         session.args().words().front() + "'");
}

// "/saveconfig", the wait, then "/config.conf" from every player into `dir` as ADDRESS_config.conf.
Action fetchConfigs(Session& session, const char* label, const std::vector<Target>& targets, const std::string& dir)
{
    Action action(session, label, targets);
    action.run(*commands::commandNamed("backup-config"),
               {.fetchDir = dir, .fetchName = [](const Target& target, std::string_view) {
                    return target.address + "_config.conf";
                }});
    return action;
}

int runGet(Session& session)
{
    noWords(session);
    const std::string dir = requireFolder(session.args().value("--out").value_or("."), "--out");
    const std::vector<Target> targets = session.targets();
    Action action = fetchConfigs(session, "config get", targets, dir);
    for (size_t i = 0; i < targets.size(); ++i)
        if (action.going(i))
            action.extra(i).add("file", action.fetched(i));
    const std::vector<Outcome> outcomes = action.finish();
    printOutcomes(outcomes, session.json());
    return allDone(outcomes) ? kExitDone : kExitFailed;
}

int runPut(Session& session)
{
    const std::string file = std::filesystem::absolute(session.args().word("FILE")).string();
    std::vector<config::ConfigEntry> entries;
    try {
        entries = config::configEntries(config::readConfigFileBytes(file, session.codePage()));
    } catch (const FileError& e) {
        throw UsageError(e.what());
    }
    // A player told to use an address that is none, or the address of another, would be cut off.
    if (const std::string problem = config::addressProblem(entries); !problem.empty())
        throw UsageError("FILE: " + problem);
    const std::vector<Target> targets = session.targets();
    const bool keep = session.args().flag("--keep-address");
    if (targets.size() > 1 && !keep && config::fixedAddress(entries))
        throw UsageError("FILE gives a fixed IP address (Automatic IP \"Off\"): the " +
                         std::to_string(targets.size()) +
                         " players would all take the same address. Put it to one player, or give --keep-address");
    if (!keep) {
        Action action(session, "config put", targets);
        action.run(*commands::commandNamed("restore-config"), {.chosen = file});
        const std::vector<Outcome> outcomes = action.finish();
        printOutcomes(outcomes, session.json());
        return allDone(outcomes) ? kExitDone : kExitFailed;
    }

    // Each player's own network settings first (the Backup Config steps), then each its own file.
    Action fetch = fetchConfigs(session, "config put", targets, session.runDir());
    const std::vector<Outcome> fetched = fetch.finish();
    std::string bytes;
    try {
        bytes = readTextFile(file, config::kMaxConfigFileBytes);
    } catch (const FileError& e) {
        throw std::runtime_error(e.what());
    }
    std::vector<Outcome> outcomes(targets.size());
    std::vector<Target> ready;
    std::map<std::string, std::string> own;  // the file made for each ready player, by address
    for (size_t i = 0; i < targets.size(); ++i) {
        outcomes[i] = fetched[i];
        if (!fetch.going(i))
            continue;
        std::optional<std::string> made;
        try {
            made = config::withOwnNetwork(bytes, readTextFile(fetch.fetched(i), config::kMaxConfigFileBytes));
        } catch (const FileError&) {
        }
        if (!made) {
            outcomes[i].done = false;
            outcomes[i].text = "failed (its own network settings are not known)";
            continue;
        }
        own[targets[i].address] = session.scratchFile(targets[i].address + "_put.conf", *made);
        ready.push_back(targets[i]);
    }
    if (!ready.empty()) {
        Action put(session, "config put", ready);
        put.run(*commands::commandNamed("restore-config"),
                {.chosenFor = [&own](const Target& target) { return own.at(target.address); }});
        const std::vector<Outcome> sent = put.finish();
        for (size_t k = 0, i = 0; k < sent.size(); ++k) {
            while (targets[i].address != ready[k].address)
                ++i;
            outcomes[i] = sent[k];
            outcomes[i].duration += fetched[i].duration;
        }
    }
    printOutcomes(outcomes, session.json());
    return allDone(outcomes) ? kExitDone : kExitFailed;
}

int runDiff(Session& session)
{
    noWords(session);
    const std::vector<Target> targets = session.targets();
    if (targets.size() < 2)
        throw UsageError("config diff compares two players or more");
    Action action = fetchConfigs(session, "config diff", targets, session.runDir());

    std::vector<std::string> columns;
    std::vector<std::vector<config::ConfigEntry>> files;
    for (size_t i = 0; i < targets.size(); ++i) {
        if (!action.going(i))
            continue;
        try {
            files.push_back(config::configEntries(readTextFile(action.fetched(i), config::kMaxConfigFileBytes)));
            columns.push_back(targets[i].address);
        } catch (const FileError& e) {
            std::fprintf(stderr, "q7ctl: %s\n", e.what());
        }
    }
    const std::vector<Outcome> outcomes = action.finish();
    printOutcomes(outcomes, session.json());
    const std::vector<config::DriftRow> rows = config::configDrift(files);

    std::vector<std::string> headers{"SETTING"};
    headers.insert(headers.end(), columns.begin(), columns.end());
    Table table(headers);
    for (const config::DriftRow& row : rows) {
        const std::string setting = session.text(row.section) + " " + session.text(row.key);
        JsonObject values;
        std::vector<std::string> cells{setting};
        for (size_t c = 0; c < columns.size(); ++c) {
            const std::optional<std::string> value =
                row.values[c] ? std::optional<std::string>(session.text(*row.values[c])) : std::nullopt;
            values.add(columns[c], value);
            cells.push_back(value ? *value : "(missing)");
        }
        if (session.json())
            std::printf("%s\n", JsonObject()
                                    .add("section", session.text(row.section))
                                    .add("key", session.text(row.key))
                                    .add("values", values)
                                    .text()
                                    .c_str());
        else
            table.add(std::move(cells));
    }
    if (!session.json()) {
        std::printf("\n");
        if (columns.size() < 2)
            std::printf("Fewer than two players answered: nothing to compare.\n");
        else if (rows.empty())
            std::printf("No setting differs between the %zu players.\n", columns.size());
        else
            table.print();
    }
    return allDone(outcomes) ? kExitDone : kExitFailed;
}

}  // namespace

const Subcommand kConfigGetCommand{
    "config get",
    "(--player NAME|ADDRESS... | --all) [--out DIR]",
    "fetch each player's config.conf as ADDRESS_config.conf",
    "Each player is told to save its settings (\"/saveconfig\"), given 6 s, and its \"/config.conf\" is\n"
    "fetched. A file appears only when its fetch succeeded; an earlier copy stays until then.",
    kGetOptions,
    kSettings | kTargets | kTransfers,
    runGet,
};

const Subcommand kConfigPutCommand{
    "config put",
    "FILE (--player NAME|ADDRESS... | --all) [--keep-address]",
    "put a config file on each player and have it adopt it",
    "FILE goes to each player as \"/config.conf.put\"; 4 s later \"/restoreconfig\" tells the player to\n"
    "adopt it. A file that is no config file, or whose address fields are no IPv4 addresses, is refused\n"
    "before anything is sent, and so is a file with a fixed IP address (Automatic IP \"Off\") for several\n"
    "players. With --keep-address each player's configuration is fetched first (as config get does) and\n"
    "it gets FILE with its own Automatic IP, IP address, mask, gateway and DNS settings; a player whose\n"
    "configuration could not be fetched gets nothing.",
    kPutOptions,
    kSettings | kTargets | kTransfers,
    runPut,
};

const Subcommand kConfigDiffCommand{
    "config diff",
    "(--player NAME|ADDRESS... | --all)",
    "fetch every player's config.conf and show the settings that differ between them",
    "One row per setting that is not the same on every player that answered, one column per player;\n"
    "\"(missing)\" where a player's file lacks the setting. Players whose fetch failed are left out of\n"
    "the comparison and make the exit status 1.",
    {},
    kSettings | kTargets | kTransfers,
    runDiff,
};

}  // namespace q7::ctl
