// q7ctl list build|remote: the File List Manager's lists without the window.
#include "core/base/textfile.h"
#include "core/base/translatable.h"
#include "core/lists/listfiles.h"
#include "ctl/report.h"
#include "ctl/session.h"
#include "ctl/subcommands.h"
#include "ctl/translate.h"

#include <charconv>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <iterator>
#include <string_view>
#include <vector>

namespace q7::ctl {
namespace {

// The words of the list kinds, "play, down, upload or delete" with ", " and " or ".
std::string kindWords(std::string_view separator, std::string_view lastSeparator)
{
    const size_t count = std::size(lists::kListKinds);
    std::string words;
    for (size_t i = 0; i < count; ++i) {
        words += i == 0 ? std::string_view() : i + 1 == count ? lastSeparator : separator;
        words += lists::kListKinds[i].word;
    }
    return words;
}

const std::string kKinds = kindWords(", ", " or ");

const OptionSpec kBuildOptions[] = {
    //: %1 lists the kinds of list: play, down, upload or delete.
    {"--kind", "KIND", Q7_TRANSLATABLE("q7ctl help", "%1 (required)"), false, kKinds},
    {"--root", "DIR",
     Q7_TRANSLATABLE("q7ctl help", "the list root: its media files and those of its immediate subfolders")},
    {"--from", "LISTING",
     Q7_TRANSLATABLE("q7ctl help", "the files of a player's listing (as fetched by 'files --out') instead of --root")},
    {"--name", "NAMING",
     Q7_TRANSLATABLE("q7ctl help", "play lists: single (play.lst), date, time, datetime or title (title.lst)")},
    {"--date", "YYYY-MM-DD", Q7_TRANSLATABLE("q7ctl help", "play lists named by date (default: today)")},
    {"--start", "HH:MM",
     Q7_TRANSLATABLE("q7ctl help", "play lists named by time: start of the time window (default 00:00)")},
    {"--end", "HH:MM",
     Q7_TRANSLATABLE("q7ctl help", "play lists named by time: end of the time window (default 00:00)")},
    {"--server", "URL",
     Q7_TRANSLATABLE("q7ctl help", "download and upload lists: the server folder that stands for the list root")},
    {"--out", "DIR", Q7_TRANSLATABLE("q7ctl help", "the folder the list is written to (default: the current folder)")},
};

template <typename T>
T choice(const std::string& option, const std::string& given,
         const std::vector<std::pair<std::string_view, T>>& choices)
{
    std::string names;
    for (const auto& [name, value] : choices) {
        if (given == name)
            return value;
        names += (names.empty() ? "" : ", ") + std::string(name);
    }
    throw UsageError(fill(translate("q7ctl", "%1: '%2' is not one of %3"), {option, given, names}));
}

int number(std::string_view text, int largest, const std::string& option, const std::string& given)
{
    int value = -1;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 0 || value > largest)
        throw UsageError(fill(translate("q7ctl", "%1: '%2' is not a valid value"), {option, given}));
    return value;
}

// "HH:MM" into hour and minute.
std::pair<int, int> clockTime(const std::string& option, const std::string& given)
{
    const size_t colon = given.find(':');
    if (colon == std::string::npos)
        throw UsageError(fill(translate("q7ctl", "%1: '%2' is not a time (HH:MM)"), {option, given}));
    return {number(std::string_view(given).substr(0, colon), 23, option, given),
            number(std::string_view(given).substr(colon + 1), 59, option, given)};
}

void setDate(lists::PlayWindow& when, const std::optional<std::string>& given)
{
    if (!given) {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        ::localtime_r(&now, &local);
        when.year = local.tm_year + 1900;
        when.month = local.tm_mon + 1;
        when.day = local.tm_mday;
        return;
    }
    const std::string& text = *given;
    const std::string notADate = fill(translate("q7ctl", "--date: '%1' is not a date (YYYY-MM-DD)"), {text});
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        throw UsageError(notADate);
    when.year = number(std::string_view(text).substr(0, 4), 9999, "--date", text);
    when.month = number(std::string_view(text).substr(5, 2), 12, "--date", text);
    when.day = number(std::string_view(text).substr(8, 2), 31, "--date", text);
    using namespace std::chrono;
    if (!year_month_day(year(when.year), month(unsigned(when.month)), day(unsigned(when.day))).ok())
        throw UsageError(notADate);
}

// `applies` says to which lists the option applies ("%1 applies to play lists only").
void requireFor(const Arguments& args, const char* option, bool allowed, const std::string& applies)
{
    if (args.value(option) && !allowed)
        throw UsageError(fill(applies, {option}));
}

int runBuild(Session& session)
{
    const Arguments& args = session.args();
    if (!args.words().empty())
        throw UsageError(fill(translate("q7ctl", "%1 takes no words, not '%2'"), {"list build", args.words().front()}));
    const auto kindText = args.value("--kind");
    if (!kindText)
        throw UsageError(fill(translate("q7ctl", "missing %1"), {"--kind " + kindWords("|", "|")}));
    using lists::ListKind;
    std::vector<std::pair<std::string_view, ListKind>> kinds;
    for (const lists::ListKindInfo& known : lists::kListKinds)
        kinds.emplace_back(known.word, known.kind);
    const ListKind kind = choice<ListKind>("--kind", *kindText, kinds);
    const bool play = kind == ListKind::Play;
    const bool server = kind == ListKind::Download || kind == ListKind::Upload;
    for (const char* option : {"--name", "--date", "--start", "--end"})
        requireFor(args, option, play, translate("q7ctl", "%1 applies to play lists only"));
    requireFor(args, "--server", server, translate("q7ctl", "%1 applies to download and upload lists only"));

    using lists::PlayNaming;
    const PlayNaming naming = choice<PlayNaming>("--name", args.value("--name").value_or("single"),
                                                 {{"single", PlayNaming::Single},
                                                  {"date", PlayNaming::Date},
                                                  {"time", PlayNaming::Time},
                                                  {"datetime", PlayNaming::DateAndTime},
                                                  {"title", PlayNaming::Title}});
    lists::PlayWindow when;
    setDate(when, args.value("--date"));
    std::tie(when.startHour, when.startMinute) = clockTime("--start", args.value("--start").value_or("00:00"));
    std::tie(when.endHour, when.endMinute) = clockTime("--end", args.value("--end").value_or("00:00"));

    // Entries are 8-bit text in the system code page, as the window writes them.
    std::vector<std::string> entries;
    const auto root = args.value("--root");
    const auto listing = args.value("--from");
    if (root.has_value() == listing.has_value())
        throw UsageError(translate("q7ctl", "give the files with either --root DIR or --from LISTING"));
    if (root) {
        for (const std::string& name : lists::scanListRoot(requireFolder(*root, "--root")))
            entries.push_back(session.eightBit(name));  // file names are UTF-8
    } else {
        try {
            entries = lists::parseListing(readTextFile(*listing));
        } catch (const FileError& e) {
            throw UsageError(fill(translate("q7ctl", "--from: %1"), {translate(e.phrase())}));
        }
    }
    const std::string dir = requireFolder(args.value("--out").value_or("."), "--out");

    const std::string base = lists::withoutTrailingSlash(session.eightBit(args.value("--server").value_or("")));
    const std::vector<std::string> lines = kind == ListKind::Download ? lists::downloadLines(entries, base)
                                           : kind == ListKind::Upload ? lists::uploadLines(entries, base)
                                                                      : entries;
    const std::string path = (std::filesystem::path(dir) / lists::listFileName(kind, naming, when)).string();
    try {
        replaceTextFile(path, lists::listFileBytes(lines));
    } catch (const FileError& e) {
        std::fprintf(stderr, "q7ctl: %s\n", translate(e.phrase()).c_str());
        return kExitFailed;
    }
    if (session.json())
        std::printf("%s\n", JsonObject()
                                .add("action", "list build")
                                .add("ok", true)
                                .add("file", path)
                                .add("entries", int(lines.size()))
                                .text()
                                .c_str());
    else
        std::printf("%s\n",
                    fill(lines.size() == 1 ? translate("q7ctl", "%1: %2 entry") : translate("q7ctl", "%1: %2 entries"),
                         {terminalText(path), std::to_string(lines.size())})
                        .c_str());
    return kExitDone;
}

int runRemote(Session& session)
{
    const std::string& listing = session.args().word("LISTING");
    std::vector<std::string> entries;
    try {
        for (const std::string& entry : lists::parseListing(readTextFile(listing)))
            entries.push_back(session.text(entry));
    } catch (const FileError& e) {
        throw UsageError(translate(e.phrase()));
    }
    if (session.json()) {
        std::printf("%s\n", JsonObject().add("listing", listing).add("entries", entries).text().c_str());
        return kExitDone;
    }
    for (const std::string& entry : entries)
        std::printf("%s\n", terminalText(entry).c_str());
    return kExitDone;
}

}  // namespace

const Subcommand kListBuildCommand{
    "list build",
    "--kind KIND (--root DIR | --from LISTING) [--name NAMING] [--date ...] [--start ...] [--end ...]\n"
    "       [--server URL] [--out DIR]",
    Q7_TRANSLATABLE("q7ctl help", "write a play, download, upload or delete list under its proper name"),
    Q7_TRANSLATABLE(
        "q7ctl help",
        "Every media file found goes into the list (the window's \"Add All Files\"), as \"/\" + name or\n"
        "\"/\" + subfolder + \"/\" + name. Download lines are URL + entry + \" \" + entry, upload lines entry +\n"
        "\" \" + URL + the entry's folder; a URL loses one trailing \"/\". Names: play.lst, 20080101.lst,\n"
        "_0830_1200.lst, 20080101_0830_1200.lst, title.lst, down.lst, upload.lst, delete.lst. The list is\n"
        "written in the system's 8-bit code page with CR LF line ends, as the window writes it; send it\n"
        "to the players with the list commands of the Remote Command page."),
    kBuildOptions,
    0,
    runBuild,
};

const Subcommand kListRemoteCommand{
    "list remote",
    "LISTING",
    Q7_TRANSLATABLE("q7ctl help", "the files named in a player's listing (Q7files), one per line"),
    Q7_TRANSLATABLE("q7ctl help",
                    "LISTING is a recursive long-format listing of the player's disk, as 'files --out DIR' keeps it."),
    {},
    0,
    runRemote,
};

}  // namespace q7::ctl
