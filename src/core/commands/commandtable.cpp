#include "core/commands/commandtable.h"

#include "core/base/textfile.h"
#include "core/transfer/tftpcommand.h"

#include <charconv>
#include <stdexcept>
#include <sys/stat.h>

namespace q7::commands {
namespace {

constexpr int kConfigFilter = 1;
constexpr int kListFilter = 2;
constexpr std::string_view kOneLineCommandFile = "multicmd.txt";
constexpr std::string_view kPlayModeFile = "playmode.txt";

constexpr Command putCommandFile(std::string_view item, std::string_view remote,
                                 std::array<std::string_view, 2> description = {})
{
    return {.item = item, .kind = Kind::PutCommandFile, .remote = remote, .description = description};
}

constexpr Command chooseAndPut(std::string_view item, int filterIndex, std::string_view remote,
                               std::array<std::string_view, 2> description)
{
    return {.item = item, .kind = Kind::ChooseAndPut, .remote = remote, .filterIndex = filterIndex,
            .description = description};
}

constexpr Command playMode(std::string_view item, std::string_view word)
{
    return {.item = item, .kind = Kind::WriteThenPut, .remote = "/playmode.txt", .scratchFile = kPlayModeFile,
            .text = word};
}

constexpr Command download[] = {
    chooseAndPut("Put Down.lst", kListFilter, "/down.lst",
                 {"Prompts for and uploads the download list. Before pressing this button, the \"down.lst\" file "
                  "has to be created."}),
    putCommandFile("Download Now", "/downnow",
                   {"Downloads files according to the down.lst. The down.lst file has to be stored on the local hard "
                    "drive first, or this function will not work. The download path in the setup menu will not be "
                    "used for this command."}),
    putCommandFile("Download From Server", "/downfromserver",
                   {"Starts the download function but only if the path has previously been set and the schedule is "
                    "set to OFF or a particular time. When set to download every xx minutes, this command will not "
                    "work. Refer to the Q7 user guide for",
                    "further details about this function."}),
    chooseAndPut("Put Play.lst", kListFilter, "/play.lst",
                 {"Prompts for and uploads the play list. Before pressing this button, the \"play.lst\" file has to "
                  "be created."}),
    chooseAndPut("Put Upload.lst", kListFilter, "/upload.lst", {"Put upload.lst."}),
    putCommandFile("Upload Now", "/upload", {"Put upload command."}),
    putCommandFile("SMB Now", "/smbnow"),
};

constexpr Command erase[] = {
    putCommandFile("Erase HDD", "/eraseHDD", {"Erases all files stored on the local drive or CF card."}),
    {.item = "Delete Files",
     .kind = Kind::ChooseAndPut,
     .remote = "/delete.lst",
     .then = "/delfiles",
     .filterIndex = kListFilter,
     .wait = {0, 5, 5},
     .description = {"Prompts for and uploads the \"delete.lst\" and then starts the delfiles process. Before "
                     "pressing this button, the \"delete.lst\" file has to be created."}},
};

constexpr Command fileList[] = {
    {.item = "Get HDD List",
     .kind = Kind::FetchAndShow,
     .remote = "/getfiles",
     .then = "/Q7files",
     .suffix = "q7files.txt",
     .wait = {0, 5, 15},
     .wait2 = {5, 15, 15},
     .description = {"Creates a file index of the current media files on the Q7 and downloads the list to your "
                     "computer. This will take a couple of seconds. Once the list has been downloaded,",
                     "it can be opened and viewed in any standard text editor."}},
};

constexpr Command configuration[] = {
    {.item = "Restore Config",
     .kind = Kind::ChooseAndPut,
     .remote = "/config.conf.put",
     .then = "/restoreconfig",
     .filterIndex = kConfigFilter,
     .wait = {0, 3, 3},
     .description = {"Uploads the config.conf file and starts the restoreconfig process. Before pressing this button, "
                     "use the configuration tool and adjust the settings to your requirements. ",
                     "Save them to a text file with the file name config.conf. You are now ready to upload the file "
                     "and update the settings."}},
    {.item = "Backup Config",
     .kind = Kind::FetchAndShow,
     .remote = "/saveconfig",
     .then = "/config.conf",
     .suffix = "config.conf",
     .wait = {0, 5, 15},
     .wait2 = {5, 15, 15},
     .description = {"Saves current settings and downloads the config.conf file to your computer. Once the file has "
                     "been downloaded, you can edit it with the configuration tool or any standard text editor."}},
};

constexpr Command osd[] = {
    putCommandFile("OSD ON", "/osd_on",
                   {"Turns the OSD (on-screen display) menu ON. This can be used to turn on the OSD during playback, "
                    "instead of stopping playback and accessing the setup menu to change it."}),
    putCommandFile("OSD OFF", "/osd_off",
                   {"Turns the OSD (on-screen display) menu OFF. This can be used to turn off the OSD during "
                    "playback, instead of stopping playback and accessing the setup menu to change it."}),
    putCommandFile("Scrolling ON", "/scrolling_on",
                   {"Turns the scrolling text message ON. This can be used to turn on the scrolling text message "
                    "during playback, instead of stopping playback and accessing the setup menu to change it. ",
                    "To display the message, the message.txt file has to be stored on the HDD first."}),
    putCommandFile("Scrolling OFF", "/scrolling_off",
                   {"Turns the scrolling text message OFF. This can be used to turn off the scrolling text message "
                    "during playback, instead of stopping playback and accessing the setup menu to change it. ",
                    "Once the command has been sent, the scrolling text message will stop and as soon as the next "
                    "file is loaded, the message will disappear."}),
    {.item = "Volume",
     .kind = Kind::WriteThenPut,
     .remote = "/multicmd.txt",
     .scratchFile = kOneLineCommandFile,
     .text = "Volume ",
     .withVolume = true},
    {.item = "MUTE",
     .kind = Kind::WriteThenPut,
     .remote = "/multicmd.txt",
     .scratchFile = kOneLineCommandFile,
     .text = "MUTE 0"},
};

constexpr Command systemCommands[] = {
    putCommandFile("Reboot", "/reboot", {"Reboots the device immediately."}),
    putCommandFile("Refresh Content", "/refreshcontent",
                   {"Reloads the playlist and repeat list. Press this button if you have updated the playlist but not "
                    "rebooted the unit yet. If the playback mode is set to repeat and you have updated the content, ",
                    "but have not rebooted the unit yet, you can also press this button to refresh the list."}),
    playMode("Play List by Single", "Signle"),  // the players expect this spelling
    playMode("Play List by Date", "Date"),
    playMode("Play List by Time", "Time"),
    playMode("Play List by Date/Time", "DateTime"),
    playMode("Repeat Mode", "Repeat"),
    playMode("Stop Auto Play", "Stop"),
    {.item = ""},
};

constexpr Group kGroups[] = {
    {GroupId::Download, "Download Command", "DownloadBox", "DownloadButton", "DownloadMemo", -1, false,
     Unselected::Empty, download},
    {GroupId::Erase, "Erase Command", "EraseBox", "EraseButton", "EraseMemo", 0, false, Unselected::Keep, erase},
    {GroupId::FileList, "File List Command", "FileListCMDBox", "FileListButton", "FileListMemo", 0, true,
     Unselected::FirstItem, fileList},
    {GroupId::Configuration, "Configuration Command", "ConfigBox", "ConfigButton", "ConfigMemo", 0, false,
     Unselected::Keep, configuration},
    {GroupId::Osd, "OSD and Scrolling Command", "OSDBox", "OSDButton", "OSDMemo", 0, false, Unselected::Keep, osd},
    {GroupId::System, "System Command", "SystemCMDBox", "SystemCMDButton", "SystemCMDMemo", 0, false,
     Unselected::Empty, systemCommands},
};

std::vector<std::string_view> lines(const Command& command)
{
    std::vector<std::string_view> out;
    for (std::string_view line : command.description)
        if (!line.empty())
            out.push_back(line);
    return out;
}

int transfers(const Command& command)
{
    switch (command.kind) {
    case Kind::Nothing:
        return 0;
    case Kind::PutCommandFile:
    case Kind::WriteThenPut:
        return 1;
    case Kind::ChooseAndPut:
        return command.then.empty() ? 1 : 2;
    case Kind::FetchAndShow:
        return 2;
    }
    return 0;
}

}  // namespace

std::span<const Group> groups() { return kGroups; }

const Group& group(GroupId id)
{
    for (const Group& g : kGroups)
        if (g.id == id)
            return g;
    throw std::logic_error("unknown command group");
}

const Command* commandFor(const Group& group, int index)
{
    if (group.selectionIgnored)
        return &group.commands.front();
    if (index < 0 || size_t(index) >= group.commands.size())
        return nullptr;
    return &group.commands[size_t(index)];
}

std::optional<std::vector<std::string_view>> descriptionFor(const Group& group, int index)
{
    if (const Command* command = commandFor(group, index))
        return lines(*command);
    switch (group.unselected) {
    case Unselected::Empty:
        return std::vector<std::string_view>{};
    case Unselected::Keep:
        return std::nullopt;
    case Unselected::FirstItem:
        break;
    }
    return startupDescription(group);
}

std::vector<std::string_view> startupDescription(const Group& group) { return lines(group.commands.front()); }

std::optional<std::string> volumeText(std::string_view field)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (field.empty() || ec != std::errc() || end != field.data() + field.size())
        return std::nullopt;
    return value > kMaxVolume ? std::to_string(kMaxVolume) : std::string(field);
}

std::string scratchContent(const Command& command, std::string_view volume)
{
    std::string content(command.text);
    if (command.withVolume)
        content += volume;
    return content;
}

std::string transferCaption(const Command& command, std::string_view remote)
{
    std::string caption(command.item);
    if (transfers(command) > 1)
        caption.append(" ").append(remote);
    return caption;
}

void removeFetchedCopies(const std::string& dir, int rows, std::string_view suffix)
{
    for (int row = 0; row < rows; ++row)
        removeWorkingFile(dir + "/" + fetchedFileName(row, suffix));
}

std::vector<std::string> fetchedCopies(const std::string& dir, int rows, std::string_view suffix)
{
    std::vector<std::string> found;
    for (int row = 0; row < rows; ++row) {
        const std::string path = dir + "/" + fetchedFileName(row, suffix);
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode))
            found.push_back(path);
    }
    return found;
}

}  // namespace q7::commands
