// q7ctl config get|put|set|diff: a player's config.conf fetched, put back, changed setting by
// setting, and compared across players, with the remote names and fixed waits of the window's
// Backup Config and Restore Config.
#include "core/base/textfile.h"
#include "core/base/translatable.h"
#include "core/config/addressfields.h"
#include "core/config/configdrift.h"
#include "core/config/configfile.h"
#include "core/config/settingchange.h"
#include "ctl/action.h"
#include "ctl/subcommands.h"
#include "ctl/translate.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <stdexcept>

namespace q7::ctl {
namespace {

constexpr OptionSpec kGetOptions[] = {
    {"--out", "DIR", Q7_TRANSLATABLE("q7ctl help", "the folder for the fetched files (default: the current folder)")},
};
constexpr OptionSpec kPutOptions[] = {
    {"--keep-address",
     {},
     Q7_TRANSLATABLE("q7ctl help", "fetch each player's configuration first and keep its own network settings")},
};
constexpr OptionSpec kSetOptions[] = {
    {"--check",
     {},
     Q7_TRANSLATABLE("q7ctl help", "only fetch each configuration and say what would change; nothing is put")},
};

void noWords(const Session& session)
{
    if (!session.args().words().empty())
        throw UsageError(fill(translate("q7ctl", "%1 takes no words, not '%2'"),
                              {session.subcommand().name, session.args().words().front()}));
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

// Each player that `own` holds a file for (by address) gets it as "/config.conf.put" and adopts it
// (the Restore Config steps). Its outcome replaces the one in `outcomes` (in the order of
// `targets`), with the time and the fields of the earlier steps kept.
void putOwnFiles(Session& session, const char* label, const std::vector<Target>& targets,
                 const std::map<std::string, std::string>& own, std::vector<Outcome>& outcomes)
{
    std::vector<Target> ready;
    for (const Target& target : targets)
        if (own.contains(target.address))
            ready.push_back(target);
    if (ready.empty())
        return;
    Action put(session, label, ready);
    put.run(*commands::commandNamed("restore-config"),
            {.chosenFor = [&own](const Target& target) { return own.at(target.address); }});
    const std::vector<Outcome> sent = put.finish();
    for (size_t k = 0, i = 0; k < sent.size(); ++k) {
        while (targets[i].address != ready[k].address)
            ++i;
        Outcome outcome = sent[k];
        outcome.duration += outcomes[i].duration;
        outcome.extra = JsonObject(outcomes[i].extra).merge(sent[k].extra);
        outcomes[i] = std::move(outcome);
    }
}

// `reason` in English for --json, `shownReason` in the operator's language for the table.
void fail(Outcome& outcome, const std::string& reason, const std::string& shownReason)
{
    outcome.done = false;
    outcome.text = "failed (" + reason + ")";
    outcome.shown = fill(translate("q7ctl", "failed (%1)"), {shownReason});
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
        throw UsageError(translate(e.phrase()));
    }
    // A player told to use an address that is none, or the address of another, would be cut off.
    if (const Phrase problem = config::addressProblem(entries); !problem.empty())
        throw UsageError(fill(translate("q7ctl", "FILE: %1"), {translate(problem)}));
    const std::vector<Target> targets = session.targets();
    const bool keep = session.args().flag("--keep-address");
    if (targets.size() > 1 && !keep && config::fixedAddress(entries))
        throw UsageError(fill(translate("q7ctl", "FILE gives a fixed IP address (Automatic IP \"Off\"): the %1 players "
                                                 "would all take the same address. Put it to one player, or give "
                                                 "--keep-address"),
                              {std::to_string(targets.size())}));
    if (!keep) {
        Action action(session, "config put", targets);
        action.run(*commands::commandNamed("restore-config"), {.chosen = file});
        const std::vector<Outcome> outcomes = action.finish();
        printOutcomes(outcomes, session.json());
        return allDone(outcomes) ? kExitDone : kExitFailed;
    }

    // Each player's own network settings first (the Backup Config steps), then each its own file.
    Action fetch = fetchConfigs(session, "config put", targets, session.runDir());
    std::string bytes;
    try {
        bytes = readTextFile(file, config::kMaxConfigFileBytes);
    } catch (const FileError& e) {
        throw std::runtime_error(translate(e.phrase()));
    }
    std::vector<Outcome> outcomes = fetch.finish();
    std::map<std::string, std::string> own;  // the file made for each ready player, by address
    for (size_t i = 0; i < targets.size(); ++i) {
        if (!fetch.going(i))
            continue;
        std::optional<std::string> made;
        try {
            made = config::withOwnNetwork(bytes, readTextFile(fetch.fetched(i), config::kMaxConfigFileBytes));
        } catch (const FileError&) {
        }
        if (!made) {
            fail(outcomes[i], "its own network settings are not known",
                 translate("q7ctl", "its own network settings are not known"));
            continue;
        }
        own[targets[i].address] = session.scratchFile(targets[i].address + "_put.conf", *made);
    }
    putOwnFiles(session, "config put", targets, own, outcomes);
    printOutcomes(outcomes, session.json());
    return allDone(outcomes) ? kExitDone : kExitFailed;
}

// The SETTING=VALUE words, each setting named once and its value as the page would take it.
std::vector<config::SettingValue> wantedValues(const Session& session)
{
    const std::vector<std::string>& words = session.args().words();
    if (words.empty())
        throw UsageError(translate("q7ctl", "config set needs SETTING=VALUE (as Volume=20)"));
    std::vector<config::SettingValue> wanted;
    for (const std::string& word : words) {
        const size_t equals = word.find('=');
        if (equals == std::string::npos)
            throw UsageError(fill(translate("q7ctl", "'%1' is no SETTING=VALUE"), {word}));
        const std::string name = word.substr(0, equals);
        const config::Setting* setting = config::settingNamed(name);
        if (!setting)
            throw UsageError(fill(translate("q7ctl", "no setting '%1': name it as the settings pages label it (Volume) "
                                                     "or as config.conf keys it ([Volume])"),
                                  {name}));
        const std::string label = config::settingLabel(*setting);
        if (std::any_of(wanted.begin(), wanted.end(), [&](const auto& w) { return w.setting == setting; }))
            throw UsageError(fill(translate("q7ctl", "%1 is given more than once"), {label}));
        const std::string value = word.substr(equals + 1);
        const std::string eightBit = session.eightBit(value);
        if (session.text(eightBit) != value)
            throw UsageError(
                fill(translate("q7ctl", "%1: \"%2\" cannot be written in this system's code page"), {label, value}));
        config::Accepted accepted = config::acceptedValue(*setting, eightBit);
        if (!accepted.problem.empty())
            throw UsageError(translate(accepted.problem, [&](const std::string& part) { return session.text(part); }));
        wanted.push_back({setting, std::move(accepted.value)});
    }
    return wanted;
}

int runSet(Session& session)
{
    const std::vector<config::SettingValue> wanted = wantedValues(session);
    const std::vector<Target> targets = session.targets();
    // One address given to several players would cut all but one of them off.
    for (const config::SettingValue& want : wanted)
        if (targets.size() > 1 && want.setting->field == "IPAddress")
            throw UsageError(fill(translate("q7ctl", "IP Address for %1 players would give them all one address; set "
                                                     "it one player at a time"),
                                  {std::to_string(targets.size())}));
    const bool check = session.args().flag("--check");

    Action fetch = fetchConfigs(session, "config set", targets, session.runDir());
    std::vector<Outcome> outcomes = fetch.finish();
    std::vector<std::vector<config::SettingChange>> changes(targets.size());
    std::map<std::string, std::string> own;  // the changed file for each player to change, by address
    for (size_t i = 0; i < targets.size(); ++i) {
        if (!fetch.going(i))
            continue;
        std::string bytes;
        try {
            bytes = readTextFile(fetch.fetched(i), config::kMaxConfigFileBytes);
        } catch (const FileError& e) {
            fail(outcomes[i], e.what(), translate(e.phrase()));
            continue;
        }
        changes[i] = config::settingChanges(config::configEntries(bytes), wanted);
        if (changes[i].empty() || check) {
            outcomes[i].text = changes[i].empty() ? "unchanged" : "would change";
            continue;
        }
        const std::optional<std::string> made = config::withValues(bytes, wanted);
        if (!made) {
            const std::string key = config::settingKey(*changes[i].front().setting);
            fail(outcomes[i], "its configuration has no line for " + key,
                 fill(translate("q7ctl", "its configuration has no line for %1"), {key}));
            continue;
        }
        // The address rules of config put hold for the changed file too.
        if (const Phrase problem = config::addressProblem(config::configEntries(*made)); !problem.empty()) {
            fail(outcomes[i], session.text(problem.english()),
                 translate(problem, [&](const std::string& part) { return session.text(part); }));
            continue;
        }
        own[targets[i].address] = session.scratchFile(targets[i].address + "_set.conf", *made);
    }
    putOwnFiles(session, "config set", targets, own, outcomes);

    for (size_t i = 0; i < targets.size(); ++i) {
        if (outcomes[i].done && own.contains(targets[i].address))
            outcomes[i].text = "changed";
        std::vector<JsonObject> listed;
        for (const config::SettingChange& change : changes[i])
            listed.push_back(JsonObject()
                                 .add("setting", config::settingLabel(*change.setting))
                                 .add("key", config::settingKey(*change.setting))
                                 .add("before", change.before ? std::optional(session.text(*change.before))
                                                              : std::nullopt)
                                 .add("after", session.text(change.after)));
        outcomes[i].extra.add("changed", outcomes[i].done && !changes[i].empty()).add("changes", listed);
    }
    printOutcomes(outcomes, session.json());
    // Below the table, each player's changes, one line each.
    for (size_t i = 0; i < targets.size() && !session.json(); ++i) {
        if (changes[i].empty())
            continue;
        std::printf("\n%s %s:\n", targets[i].address.c_str(), terminalText(targets[i].name).c_str());
        // The setting by the English name `config set` takes, in every language.
        for (const config::SettingChange& change : changes[i])
            std::printf("  %s: %s -> %s\n", config::settingLabel(*change.setting).c_str(),
                        change.before ? terminalText(session.text(*change.before)).c_str()
                                      : translate("q7ctl", "(missing)").c_str(),
                        terminalText(session.text(change.after)).c_str());
    }
    return allDone(outcomes) ? kExitDone : kExitFailed;
}

int runDiff(Session& session)
{
    noWords(session);
    const std::vector<Target> targets = session.targets();
    if (targets.size() < 2)
        throw UsageError(translate("q7ctl", "config diff compares two players or more"));
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
            std::fprintf(stderr, "q7ctl: %s\n", translate(e.phrase()).c_str());
        }
    }
    const std::vector<Outcome> outcomes = action.finish();
    printOutcomes(outcomes, session.json());
    const std::vector<config::DriftRow> rows = config::configDrift(files);

    std::vector<std::string> headers{translate("q7ctl", "SETTING")};
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
            cells.push_back(value ? *value : translate("q7ctl", "(missing)"));
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
            std::printf("%s\n", translate("q7ctl", "Fewer than two players answered: nothing to compare.").c_str());
        else if (rows.empty())
            std::printf("%s\n", fill(translate("q7ctl", "No setting differs between the %1 players."),
                                     {std::to_string(columns.size())})
                                    .c_str());
        else
            table.print();
    }
    return allDone(outcomes) ? kExitDone : kExitFailed;
}

}  // namespace

const Subcommand kConfigGetCommand{
    "config get",
    "(--player NAME|ADDRESS... | --all) [--out DIR]",
    Q7_TRANSLATABLE("q7ctl help", "fetch each player's config.conf as ADDRESS_config.conf"),
    Q7_TRANSLATABLE(
        "q7ctl help",
        "Each player is told to save its settings (\"/saveconfig\"), given 6 s, and its \"/config.conf\" is\n"
        "fetched. A file appears only when its fetch succeeded; an earlier copy stays until then."),
    kGetOptions,
    kSettings | kTargets | kTransfers,
    runGet,
};

const Subcommand kConfigPutCommand{
    "config put",
    "FILE (--player NAME|ADDRESS... | --all) [--keep-address]",
    Q7_TRANSLATABLE("q7ctl help", "put a config file on each player and have it adopt it"),
    Q7_TRANSLATABLE(
        "q7ctl help",
        "FILE goes to each player as \"/config.conf.put\"; 4 s later \"/restoreconfig\" tells the player to\n"
        "adopt it. A file that is no config file, or whose address fields are no IPv4 addresses, is refused\n"
        "before anything is sent, and so is a file with a fixed IP address (Automatic IP \"Off\") for several\n"
        "players. With --keep-address each player's configuration is fetched first (as config get does) and\n"
        "it gets FILE with its own Automatic IP, IP address, mask, gateway and DNS settings; a player whose\n"
        "configuration could not be fetched gets nothing."),
    kPutOptions,
    kSettings | kTargets | kTransfers,
    runPut,
};

const Subcommand kConfigSetCommand{
    "config set",
    "SETTING=VALUE... (--player NAME|ADDRESS... | --all) [--check]",
    Q7_TRANSLATABLE("q7ctl help",
                    "change named settings on each player, putting its configuration back only where one changes"),
    Q7_TRANSLATABLE(
        "q7ctl help",
        "Each player's configuration is fetched (as config get does); only the settings named change, and\n"
        "it is put back and adopted (as config put does) only when one of them had another value. SETTING\n"
        "is a label of the settings pages (Volume, \"Play mode\") or a key of config.conf ([Volume]); VALUE\n"
        "is what the page takes: one of a list's items, a text its field accepts (Volume 0 to 31, an IPv4\n"
        "address for an address). An unknown setting or a value the page would not take is refused before\n"
        "anything is sent, and so is IP Address for several players. Each player's outcome is \"changed\",\n"
        "\"unchanged\", \"would change\" (--check) or \"failed (reason)\"; below the table each player's\n"
        "changes are listed as \"  SETTING: BEFORE -> AFTER\" (with --json: \"changed\" and \"changes\")."),
    kSetOptions,
    kSettings | kTargets | kTransfers,
    runSet,
};

const Subcommand kConfigDiffCommand{
    "config diff",
    "(--player NAME|ADDRESS... | --all)",
    Q7_TRANSLATABLE("q7ctl help", "fetch every player's config.conf and show the settings that differ between them"),
    Q7_TRANSLATABLE(
        "q7ctl help",
        "One row per setting that is not the same on every player that answered, one column per player;\n"
        "\"(missing)\" where a player's file lacks the setting. Players whose fetch failed are left out of\n"
        "the comparison and make the exit status 1."),
    {},
    kSettings | kTargets | kTransfers,
    runDiff,
};

}  // namespace q7::ctl
