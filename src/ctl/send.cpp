// q7ctl send COMMAND: every command of the Remote Command page by a stable name. What each one
// puts, under which remote names, with which bytes and waits, comes from the page's own command
// table; this file only names its entries.
#include "core/commands/commandtable.h"
#include "ctl/action.h"
#include "ctl/subcommands.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace q7::ctl {
namespace {

using namespace std::chrono_literals;
using commands::GroupId;
using commands::Kind;

// A stable name and the page's entry it sends. Entries that put a chosen file take FILE, the
// Volume entry takes N; `confirm` ones are only sent with --yes.
struct Named {
    std::string_view name;
    GroupId group;
    int index;
    bool confirm = false;
};

constexpr Named kNamed[] = {
    {"reboot", GroupId::System, 0},
    {"refresh", GroupId::System, 1},
    {"playmode single", GroupId::System, 2},
    {"playmode date", GroupId::System, 3},
    {"playmode time", GroupId::System, 4},
    {"playmode datetime", GroupId::System, 5},
    {"playmode repeat", GroupId::System, 6},
    {"playmode stop", GroupId::System, 7},
    {"osd-on", GroupId::Osd, 0},
    {"osd-off", GroupId::Osd, 1},
    {"scrolling-on", GroupId::Osd, 2},
    {"scrolling-off", GroupId::Osd, 3},
    {"volume", GroupId::Osd, 4},
    {"mute", GroupId::Osd, 5},
    {"put-list down", GroupId::Download, 0},
    {"download-now", GroupId::Download, 1},
    {"download-from-server", GroupId::Download, 2},
    {"put-list play", GroupId::Download, 3},
    {"put-list upload", GroupId::Download, 4},
    {"upload-now", GroupId::Download, 5},
    {"smb-now", GroupId::Download, 6},
    {"erase-hdd", GroupId::Erase, 0, true},
    {"delete-files", GroupId::Erase, 1, true},
};

constexpr OptionSpec kOptions[] = {
    {"--yes", "", "confirm erase-hdd and delete-files, which remove files on the players"},
};

// The page's wait bar takes one second per step, both ends included.
std::chrono::milliseconds paced(const commands::Pace& pace)
{
    return std::chrono::seconds(pace.to - pace.from + 1);
}

// The named entry the words start with, and how many words its name took; none when unknown.
std::pair<const Named*, size_t> lookUp(const std::vector<std::string>& words)
{
    for (const Named& named : kNamed) {
        const bool twoWords = named.name.find(' ') != std::string_view::npos;
        if (twoWords ? words.size() >= 2 && words[0] + " " + words[1] == named.name : words[0] == named.name)
            return {&named, twoWords ? 2 : 1};
    }
    return {nullptr, 0};
}

std::string readableFile(const std::string& path)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec) || !std::ifstream(path, std::ios::binary).is_open())
        throw UsageError("cannot read file '" + path + "'");
    return std::filesystem::absolute(path).lexically_normal().string();
}

int run(Session& session)
{
    const std::vector<std::string>& words = session.args().words();
    if (words.empty())
        throw UsageError("send needs a command (try 'q7ctl send --help')");
    const auto [named, nameWords] = lookUp(words);
    if (!named) {
        // "playmode" and "put-list" name their choice in the next word.
        const bool chooses = std::any_of(std::begin(kNamed), std::end(kNamed),
                                         [&](const Named& n) { return n.name.starts_with(words[0] + " "); });
        throw UsageError("send: unknown command '" + words[0] + (chooses && words.size() > 1 ? " " + words[1] : "") +
                         "'");
    }
    const commands::Command& command = *commands::commandFor(commands::group(named->group), named->index);
    const std::string name(named->name);

    // The one argument a command takes: the chosen file, or the Volume field.
    const bool takesFile = command.kind == Kind::ChooseAndPut;
    const bool takesArgument = takesFile || command.withVolume;
    if (words.size() != nameWords + (takesArgument ? 1 : 0))
        throw UsageError("send " + name +
                         (takesFile            ? " takes one FILE"
                          : command.withVolume ? " takes one N"
                                               : " takes no more words"));
    if (named->confirm && !session.args().flag("--yes"))
        throw UsageError("send " + name + " removes files on the players: add --yes to confirm");
    const std::string argument = takesArgument ? words.back() : std::string();
    std::string volume;
    if (command.withVolume) {
        const std::optional<std::string> taken = commands::volumeText(argument);
        if (!taken) {
            std::string message(commands::kNotAnInteger);
            throw UsageError("send volume: " + message.replace(message.find("%s"), 2, argument));
        }
        volume = *taken;
    }
    const std::string chosen = takesFile ? readableFile(argument) : std::string();
    const std::vector<Target> targets = session.targets();
    const std::chrono::milliseconds wait = session.wait(paced(command.wait));

    Action action(session, "send " + name, targets);
    switch (command.kind) {
    case Kind::PutCommandFile:
        action.put(session.nullCommandFile(), std::string(command.remote));
        break;
    case Kind::WriteThenPut:
        action.put(session.scratchFile(std::string(command.scratchFile), commands::scratchContent(command, volume)),
                   std::string(command.remote));
        break;
    case Kind::ChooseAndPut:
        action.put(chosen, std::string(command.remote));
        if (!command.then.empty()) {
            action.pause(wait, "for the players to take the file");
            action.put(session.nullCommandFile(), std::string(command.then));
        }
        break;
    case Kind::Nothing:
    case Kind::FetchAndShow: // the files and config subcommands fetch
        throw std::logic_error("send names a command that puts nothing");
    }
    const std::vector<Outcome> outcomes = action.finish();
    printOutcomes(outcomes, session.json());
    return allDone(outcomes) ? kExitDone : kExitFailed;
}

}  // namespace

const Subcommand kSendCommand{
    "send",
    "COMMAND [N|FILE] (--player NAME|ADDRESS... | --all) [--yes]",
    "send a command of the Remote Command page",
    "COMMAND is one of: reboot, refresh, osd-on, osd-off, scrolling-on, scrolling-off, volume N, mute,\n"
    "playmode single|date|time|datetime|repeat|stop, download-now, download-from-server, upload-now,\n"
    "smb-now, erase-hdd, put-list down|play|upload FILE, delete-files FILE.\n"
    "Each goes to the players under the same remote name, with the same file and the same waits as the\n"
    "window sends it; volume N above 31 is sent as 31. erase-hdd and delete-files need --yes.",
    kOptions,
    kSettings | kTargets | kTransfers,
    run,
};

}  // namespace q7::ctl
