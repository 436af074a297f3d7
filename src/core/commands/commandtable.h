#pragma once
// The remote commands as data: the six groups of the Remote Command page and the commands the
// other pages send (Backup, Restore, Compare players, the messages). Each command is described
// completely: its stable command-line name, its item text, its steps (which files go to the
// players under which reserved names, what is fetched back, how long the players are given) and
// its description. The page, the other pages and q7ctl read this one table and run the steps
// through one sequencer (commands/sequence.h).

#include "core/base/translatable.h"

#include <array>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace q7::commands {

enum class GroupId { Download, Erase, FileList, Configuration, Osd, System };

// Where a put takes its file from. The front end prepares each before the command starts.
enum class Source {
    CommandFile,  // the empty command file "nullCMD.txt"
    Chosen,       // a file the operator chose (open dialog with the command's filter, or a FILE argument)
    Scratch,      // the one-line file the command writes: `text`, then the Volume field when `withVolume`
    PerPlayer,    // a file written for each player (the pages as that player's configuration)
    Message,      // the message file the message sheets make
};

// Positions of the wait bar, from..to with the bar's maximum, one step per `stepMs`.
struct Pace {
    int from = 0;
    int to = 0;
    int maximum = 0;
    int stepMs = 1000;
    // The wait only gives the fetches of the step before it time to arrive: it ends as soon as
    // they have all ended (commands/sequence.h).
    bool forFetch = false;
    std::string_view why = {};  // "for the players to save their settings"; every wait of the table has one
                                // (translatable, context "Commands")

    constexpr int steps() const { return to - from + 1; }
    constexpr int durationMs() const { return steps() * stepMs; }
};

// One step of a command: a put to, or a get from, every player still going, or a wait.
struct Step {
    enum class Kind { Put, Get, Wait };
    Kind kind = Kind::Put;
    Source source = Source::CommandFile;  // Put
    std::string_view remote = {};         // Put, Get: the reserved remote name
    std::string_view suffix = {};         // Get: the copy is "Q7_" + row + "_" + suffix
    Pace pace = {};                       // Wait
};

// A command's steps, held in the table itself.
struct Steps {
    static constexpr size_t kMax = 5;
    std::array<Step, kMax> list{};
    size_t count = 0;

    constexpr Steps() = default;
    constexpr Steps(std::initializer_list<Step> steps)
    {
        for (const Step& step : steps)
            list[count++] = step;
    }
    constexpr std::span<const Step> view() const { return {list.data(), count}; }
};

struct Command {
    std::string_view name = {};  // stable command-line name ("reboot", "playmode single"); empty: none
    std::string_view item = {};  // the combo box item; the transfer log names the command by it
                                 // (translatable, context "Commands": never look a command up by it)
    Steps steps = {};
    int filterIndex = 0;                // Source::Chosen in the window: open dialog filter, 1 Config, 2 List
    std::string_view scratchFile = {};  // Source::Scratch
    std::string_view text = {};
    bool withVolume = false;
    bool showCopies = false;  // each fetched copy opens in a viewer window of its own
    bool confirm = false;     // removes files on the players: q7ctl sends it only with --yes
    // One or two description lines; an empty first line leaves the memo empty.
    std::array<std::string_view, 2> description = {};

    std::span<const Step> stepList() const { return steps.view(); }
    bool takes(Source source) const;
    // The get step, if the command fetches.
    const Step* fetch() const;
    // Puts and gets.
    int transfers() const;
};

// What a group's memo shows while no item is selected (typed text, or the Download box at start).
enum class Unselected { Empty, Keep, FirstItem };

struct Group {
    GroupId id;
    std::string_view caption;
    std::string_view box;     // objectNames of the combo box, button and memo
    std::string_view button;
    std::string_view memo;
    int initialIndex;         // -1: no item selected, the box shows the first item's text
    bool selectionIgnored;    // the button sends the first command whatever the box shows
    Unselected unselected;
    std::span<const Command> commands;
};

// The six groups in page order.
std::span<const Group> groups();
const Group& group(GroupId id);

// The commands of the other pages.
const Command& backupCommand();   // "Backup config.conf from Q7": into "Q7_<row>_", loaded into the pages
const Command& restoreCommand();  // "Restore config.conf to Q7": the pages as each player's file
const Command& compareCommand();  // Compare players: Backup's steps into "Q7_<row>_compare.conf"
const Command& comparePutCommand();  // Compare players' "Put pages to selected": Restore's steps
const Command& textMessageCommand();
const Command& putMessageCommand();
const Command& getMessageCommand();
const Command& bitmapMessageCommand();

// A command by its command-line name, among the page's commands and the others; none when unknown.
const Command* commandNamed(std::string_view name);
// Every named command of the page, in page order (for help texts and completion).
std::vector<const Command*> namedPageCommands();

// The command the group's button sends for the selected index; none for -1 (unless the group
// ignores its selection) or an index past the items.
const Command* commandFor(const Group& group, int index);

// The memo lines for a selection change to `index`; std::nullopt: the memo keeps its text.
std::optional<std::vector<std::string_view>> descriptionFor(const Group& group, int index);
// The memo lines at start-up: the first item's description, whatever is selected.
std::vector<std::string_view> startupDescription(const Group& group);

// The Volume field's text as it is sent: as typed, or "31" for a value above 31; std::nullopt
// when it is no decimal integer (the operator is told kNotAnInteger with the text for %s).
std::optional<std::string> volumeText(std::string_view field);
//: %s is the text typed in the Volume field; keep it.
inline constexpr std::string_view kNotAnInteger = Q7_TRANSLATABLE("Commands", "'%s' is not a valid integer value");
inline constexpr int kMaxVolume = 31;

// The bytes a Source::Scratch command writes, given the Volume field's text as it is sent.
std::string scratchContent(const Command& command, std::string_view volume);

// How the transfer log names one transfer of a command: the item text ("Reboot"; `item` when
// given, the item in the window's language), followed by the remote name when the command makes
// more than one transfer ("Delete Files /delfiles").
std::string transferCaption(const Command& command, std::string_view remote, std::string_view item = {});

// The copies of a fetch in `dir`: "Q7_" + row + "_" + suffix for rows 0..rows-1.
// Removes each one there (read-only copies too; a link is removed, not followed). Throws FileError.
void removeFetchedCopies(const std::string& dir, int rows, std::string_view suffix);
// Full paths of the copies that are there, in row order.
std::vector<std::string> fetchedCopies(const std::string& dir, int rows, std::string_view suffix);

}  // namespace q7::commands
