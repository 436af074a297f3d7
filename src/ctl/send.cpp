// q7ctl send COMMAND: every command of the Remote Command page by its stable name. What each one
// puts, under which remote names, with which bytes and waits, comes from the page's own command
// table and runs through the window's sequencer.
#include "core/base/textfile.h"
#include "core/base/translatable.h"
#include "core/commands/commandtable.h"
#include "core/config/addressfields.h"
#include "ctl/action.h"
#include "ctl/subcommands.h"
#include "ctl/translate.h"

#include <filesystem>
#include <fstream>

namespace q7::ctl {
namespace {

using commands::Command;
using commands::Source;

constexpr OptionSpec kOptions[] = {
    {"--yes", "",
     Q7_TRANSLATABLE("q7ctl help", "confirm erase-hdd and delete-files, which remove files on the players")},
};

// The commands send takes: the page's named commands that fetch nothing (files and config get fetch).
std::vector<const Command*> sendable()
{
    std::vector<const Command*> commands = commands::namedPageCommands();
    std::erase_if(commands, [](const Command* command) { return command->fetch() != nullptr; });
    return commands;
}

// The command the words start with, and how many words its name took; none when unknown.
std::pair<const Command*, size_t> lookUp(const std::vector<std::string>& words)
{
    for (const Command* command : sendable()) {
        const bool twoWords = command->name.find(' ') != std::string_view::npos;
        if (twoWords ? words.size() >= 2 && words[0] + " " + words[1] == command->name : words[0] == command->name)
            return {command, twoWords ? 2 : 1};
    }
    return {nullptr, 0};
}

std::string readableFile(const std::string& path)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec) || !std::ifstream(path, std::ios::binary).is_open())
        throw UsageError(fill(translate("q7ctl", "cannot read file '%1'"), {path}));
    return std::filesystem::absolute(path).lexically_normal().string();
}

int run(Session& session)
{
    const std::vector<std::string>& words = session.args().words();
    if (words.empty())
        throw UsageError(translate("q7ctl", "send needs a command (try 'q7ctl send --help')"));
    const auto [named, nameWords] = lookUp(words);
    if (!named) {
        // "playmode" and "put-list" name their choice in the next word: a wrong or missing one is
        // told the choices.
        std::string choices;
        for (const Command* command : sendable())
            if (command->name.starts_with(words[0] + " "))
                choices += (choices.empty() ? "" : ", ") + std::string(command->name.substr(words[0].size() + 1));
        if (choices.empty())
            throw UsageError(fill(translate("q7ctl", "send: unknown command '%1'"), {words[0]}));
        //: %1 is a command (playmode), %2 its choices (single, date, time).
        if (words.size() < 2)
            throw UsageError(fill(translate("q7ctl", "send %1 needs one of %2"), {words[0], choices}));
        throw UsageError(fill(translate("q7ctl", "send %1: '%2' is not one of %3"), {words[0], words[1], choices}));
    }
    const Command& command = *named;
    const std::string name(command.name);

    // The one argument a command takes: the chosen file, or the Volume field.
    const bool takesFile = command.takes(Source::Chosen);
    const bool takesArgument = takesFile || command.withVolume;
    if (words.size() != nameWords + (takesArgument ? 1 : 0))
        throw UsageError(fill(takesFile            ? translate("q7ctl", "send %1 takes one FILE")
                              : command.withVolume ? translate("q7ctl", "send %1 takes one N")
                                                   : translate("q7ctl", "send %1 takes no more words"),
                              {name}));
    if (command.confirm && !session.args().flag("--yes"))
        throw UsageError(
            fill(translate("q7ctl", "send %1 removes files on the players: add --yes to confirm"), {name}));
    const std::string argument = takesArgument ? words.back() : std::string();
    std::string volume;
    if (command.withVolume) {
        const std::optional<std::string> taken = commands::volumeText(argument);
        if (!taken) {
            std::string message(commands::kNotAnInteger);
            throw UsageError(
                fill(translate("q7ctl", "send volume: %1"), {message.replace(message.find("%s"), 2, argument)}));
        }
        // The window sends 31 for anything above it; a script is told instead of silently capped.
        if (*taken != argument || argument.starts_with('-'))
            throw UsageError(fill(translate("q7ctl", "send volume: N is 0 to %1, not '%2'"),
                                  {std::to_string(commands::kMaxVolume), argument}));
        volume = *taken;
    }
    commands::SequenceFiles files;
    if (takesFile)
        files.chosen = readableFile(argument);
    const std::vector<Target> targets = session.targets();
    if (name == "restore-config") {  // the same address checks as config put
        std::vector<config::ConfigEntry> entries;
        try {
            entries = config::configEntries(readTextFile(files.chosen, config::kMaxConfigFileBytes));
        } catch (const FileError& e) {
            throw UsageError(translate(e.phrase()));
        }
        if (const Phrase problem = config::addressProblem(entries); !problem.empty())
            throw UsageError(fill(translate("q7ctl", "FILE: %1"), {translate(problem)}));
        if (targets.size() > 1 && config::fixedAddress(entries))
            throw UsageError(fill(translate("q7ctl", "FILE gives a fixed IP address (Automatic IP \"Off\"): the %1 "
                                                     "players would all take the same address. Put it to one player, "
                                                     "or use config put --keep-address"),
                                  {std::to_string(targets.size())}));
    }

    Action action(session, "send " + name, targets);
    if (command.takes(Source::Scratch))
        files.scratch = session.scratchFile(std::string(command.scratchFile), commands::scratchContent(command, volume));
    action.run(command, std::move(files));
    const std::vector<Outcome> outcomes = action.finish();
    printOutcomes(outcomes, session.json());
    return allDone(outcomes) ? kExitDone : kExitFailed;
}

}  // namespace

const Subcommand kSendCommand{
    "send",
    "COMMAND [N|FILE] (--player NAME|ADDRESS... | --all) [--yes]",
    Q7_TRANSLATABLE("q7ctl help", "send a command of the Remote Command page"),
    Q7_TRANSLATABLE(
        "q7ctl help",
        "COMMAND is one of: reboot, refresh, osd-on, osd-off, scrolling-on, scrolling-off, volume N, mute,\n"
        "playmode single|date|time|datetime|repeat|stop, download-now, download-from-server, upload-now,\n"
        "smb-now, erase-hdd, put-list down|play|upload FILE, delete-files FILE, restore-config FILE.\n"
        "Each goes to the players under the same remote name, with the same file and the same waits as the\n"
        "window sends it; volume N is 0 to 31. erase-hdd and delete-files need --yes."),
    kOptions,
    kSettings | kTargets | kTransfers,
    run,
};

}  // namespace q7::ctl
