// q7ctl files: each player's media index, fetched as the window's "Get HDD List" fetches it.
#include "core/base/textfile.h"
#include "core/base/translatable.h"
#include "core/lists/listfiles.h"
#include "ctl/action.h"
#include "ctl/subcommands.h"
#include "ctl/translate.h"

namespace q7::ctl {
namespace {

constexpr OptionSpec kOptions[] = {
    {"--out", "DIR", Q7_TRANSLATABLE("q7ctl help", "also keep each listing there as ADDRESS_q7files.txt")},
};

int run(Session& session)
{
    if (!session.args().words().empty())
        throw UsageError(
            fill(translate("q7ctl", "%1 takes no words, not '%2'"), {"files", session.args().words().front()}));
    const auto out = session.args().value("--out");
    const std::string dir = out ? requireFolder(*out, "--out") : std::string();
    const std::vector<Target> targets = session.targets();

    Action action(session, "files", targets);
    action.run(*commands::commandNamed("hdd-list"),
               {.fetchDir = dir, .fetchName = [](const Target& target, std::string_view) {
                    return target.address + "_q7files.txt";
                }});

    std::vector<std::vector<std::string>> listings(targets.size());
    for (size_t i = 0; i < targets.size(); ++i) {
        if (!action.going(i))
            continue;
        try {
            for (const std::string& entry : lists::parseListing(readTextFile(action.fetched(i))))
                listings[i].push_back(session.text(entry));
        } catch (const FileError& e) {
            std::fprintf(stderr, "q7ctl: %s\n", translate(e.phrase()).c_str());
        }
        if (!dir.empty())
            action.extra(i).add("file", action.fetched(i));
        action.extra(i).add("files", listings[i]);
    }
    const std::vector<Outcome> outcomes = action.finish();
    printOutcomes(outcomes, session.json());
    if (!session.json())
        for (size_t i = 0; i < targets.size(); ++i) {
            if (!outcomes[i].done)
                continue;
            //: The number of files on a player's disk.
            std::printf("\n%s %s: %s\n", targets[i].address.c_str(), terminalText(targets[i].name).c_str(),
                        counted(long(listings[i].size()), translate("q7ctl", "%1 file"), translate("q7ctl", "%1 files"))
                            .c_str());
            for (const std::string& entry : listings[i])
                std::printf("  %s\n", terminalText(entry).c_str());
        }
    return allDone(outcomes) ? kExitDone : kExitFailed;
}

}  // namespace

const Subcommand kFilesCommand{
    "files",
    "(--player NAME|ADDRESS... | --all) [--out DIR]",
    Q7_TRANSLATABLE("q7ctl help", "fetch each player's media index and list the files on its disk"),
    Q7_TRANSLATABLE("q7ctl help",
                    "Each player is told to list its disk (\"/getfiles\"), given 6 s, and its \"/Q7files\" is fetched\n"
                    "and read as the File List Manager reads a listing: one line per file, \"/\" + folder + name."),
    kOptions,
    kSettings | kTargets | kTransfers,
    run,
};

}  // namespace q7::ctl
