#pragma once
// The remote commands as data: the six groups of the Remote Command page, each command's item
// text, what sending it does (which files go to the players under which reserved names, what is
// fetched back, how long the players are given) and its description. The page and any other
// front end read this one table rather than hand-written switch statements.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace q7::commands {

enum class GroupId { Download, Erase, FileList, Configuration, Osd, System };

// What sending a command does. Every put and get goes to every served player (row -1).
enum class Kind {
    Nothing,
    // put the empty command file as `remote`
    PutCommandFile,
    // open dialog with `filterIndex` (cancelled: nothing at all happens); put the chosen file as
    // `remote`; with `then`: paced wait `wait`, put the command file as `then`, hide the panel
    ChooseAndPut,
    // write `text` (followed by the Volume field when `withVolume`) to the scratch file
    // `scratchFile`, 8-bit and without line end; put it as `remote`
    WriteThenPut,
    // put the command file as `remote`; remove every row's copy "Q7_" + row + "_" + `suffix`;
    // paced wait `wait`; get `then` into those copies; paced wait `wait2`; hide the panel; open
    // each copy that arrived in a viewer window of its own
    FetchAndShow,
};

// Positions of the wait bar: from..to with the bar's maximum, one step per second.
struct Pace {
    int from = 0;
    int to = 0;
    int maximum = 0;
};

struct Command {
    std::string_view item;  // the combo box item
    Kind kind = Kind::Nothing;
    std::string_view remote = {};
    std::string_view then = {};
    int filterIndex = 0;  // 1 Config, 2 List
    std::string_view scratchFile = {};
    std::string_view text = {};
    bool withVolume = false;
    std::string_view suffix = {};
    Pace wait = {};
    Pace wait2 = {};
    // One or two description lines; an empty first line leaves the memo empty.
    std::array<std::string_view, 2> description = {};
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
inline constexpr std::string_view kNotAnInteger = "'%s' is not a valid integer value";
inline constexpr int kMaxVolume = 31;

// The bytes a WriteThenPut command writes, given the Volume field's text as it is sent.
std::string scratchContent(const Command& command, std::string_view volume);

// How the transfer log names one transfer of a command: the item text ("Reboot"), followed by
// the remote name when the command makes more than one transfer ("Delete Files /delfiles").
std::string transferCaption(const Command& command, std::string_view remote);

// The copies of a fetch in `dir`: "Q7_" + row + "_" + suffix for rows 0..rows-1.
// Removes each one there (read-only copies too; a link is removed, not followed). Throws FileError.
void removeFetchedCopies(const std::string& dir, int rows, std::string_view suffix);
// Full paths of the copies that are there, in row order.
std::vector<std::string> fetchedCopies(const std::string& dir, int rows, std::string_view suffix);

}  // namespace q7::commands
