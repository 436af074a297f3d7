#include "core/commands/commandtable.h"

#include "core/base/textfile.h"
#include "core/base/translatable.h"
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

constexpr int kExchangeStepMs = 100;  // Backup and Restore move the bar every 100 ms

constexpr Step put(std::string_view remote, Source source = Source::CommandFile)
{
    return {.kind = Step::Kind::Put, .source = source, .remote = remote};
}
constexpr Step get(std::string_view remote, std::string_view suffix)
{
    return {.kind = Step::Kind::Get, .remote = remote, .suffix = suffix};
}
constexpr Step wait(Pace pace) { return {.kind = Step::Kind::Wait, .pace = pace}; }

// The front ends show the item texts, descriptions, group captions and wait reasons in the
// operator's language (context "Commands"); names, remote names and file texts stay as they are.

//: Wait reason, after "waiting": the players are given time to take the file just sent.
constexpr std::string_view kTakeFile = Q7_TRANSLATABLE("Commands", "for the players to take the file");
//: Wait reason, after "waiting": the copies fetched from the players are arriving.
constexpr std::string_view kCopiesArrive = Q7_TRANSLATABLE("Commands", "for the copies to arrive");

constexpr Command putCommandFile(std::string_view name, std::string_view item, std::string_view remote,
                                 std::array<std::string_view, 2> description = {})
{
    return {.name = name, .item = item, .steps = {put(remote)}, .description = description};
}

constexpr Command chooseAndPut(std::string_view name, std::string_view item, int filterIndex,
                               std::string_view remote, std::array<std::string_view, 2> description)
{
    return {.name = name, .item = item, .steps = {put(remote, Source::Chosen)}, .filterIndex = filterIndex,
            .description = description};
}

constexpr Command playMode(std::string_view name, std::string_view item, std::string_view word)
{
    return {.name = name, .item = item, .steps = {put("/playmode.txt", Source::Scratch)}, .scratchFile = kPlayModeFile,
            .text = word};
}

// Put the command file, give the players `prepare` to make the file, fetch it, and give the
// fetch the rest of the bar.
constexpr Steps prepareAndFetch(std::string_view command, std::string_view remote, std::string_view suffix,
                                Pace prepare, Pace fetch)
{
    fetch.forFetch = true;
    fetch.why = kCopiesArrive;
    return {put(command), wait(prepare), get(remote, suffix), wait(fetch)};
}

constexpr Command download[] = {
    chooseAndPut(
        "put-list down", Q7_TRANSLATABLE("Commands", "Put Down.lst"), kListFilter, "/down.lst",
        {Q7_TRANSLATABLE(
            "Commands", "Prompts for and uploads the download list. Before pressing this button, the \"down.lst\" file "
                        "has to be created.")}),
    putCommandFile(
        "download-now", Q7_TRANSLATABLE("Commands", "Download Now"), "/downnow",
        {Q7_TRANSLATABLE("Commands",
                         "Downloads files according to the down.lst. The down.lst file has to be stored on the local "
                         "hard drive first, or this function will not work. The download path in the setup menu will "
                         "not be used for this command.")}),
    putCommandFile(
        "download-from-server", Q7_TRANSLATABLE("Commands", "Download From Server"), "/downfromserver",
        //: The sentence goes on in the next line of the description ("further details about this function.").
        {Q7_TRANSLATABLE("Commands",
                         "Starts the download function but only if the path has previously been set and the schedule "
                         "is set to OFF or a particular time. When set to download every xx minutes, this command will "
                         "not work. Refer to the Q7 user guide for"),
         //: Ends the sentence of the line before ("... Refer to the Q7 user guide for").
         Q7_TRANSLATABLE("Commands", "further details about this function.")}),
    chooseAndPut(
        "put-list play", Q7_TRANSLATABLE("Commands", "Put Play.lst"), kListFilter, "/play.lst",
        {Q7_TRANSLATABLE(
            "Commands", "Prompts for and uploads the play list. Before pressing this button, the \"play.lst\" file has "
                        "to be created.")}),
    chooseAndPut("put-list upload", Q7_TRANSLATABLE("Commands", "Put Upload.lst"), kListFilter, "/upload.lst",
                 {Q7_TRANSLATABLE("Commands", "Put upload.lst.")}),
    putCommandFile("upload-now", Q7_TRANSLATABLE("Commands", "Upload Now"), "/upload",
                   {Q7_TRANSLATABLE("Commands", "Put upload command.")}),
    //: SMB: the Windows file sharing protocol the players download from.
    putCommandFile("smb-now", Q7_TRANSLATABLE("Commands", "SMB Now"), "/smbnow"),
};

constexpr Command erase[] = {
    {.name = "erase-hdd",
     .item = Q7_TRANSLATABLE("Commands", "Erase HDD"),
     .steps = {put("/eraseHDD")},
     .confirm = true,
     .description = {Q7_TRANSLATABLE("Commands", "Erases all files stored on the local drive or CF card.")}},
    {.name = "delete-files",
     .item = Q7_TRANSLATABLE("Commands", "Delete Files"),
     .steps = {put("/delete.lst", Source::Chosen), wait({.from = 0, .to = 5, .maximum = 5, .why = kTakeFile}),
               put("/delfiles")},
     .filterIndex = kListFilter,
     .confirm = true,
     .description = {Q7_TRANSLATABLE(
         "Commands", "Prompts for and uploads the \"delete.lst\" and then starts the delfiles process. Before "
                     "pressing this button, the \"delete.lst\" file has to be created.")}},
};

constexpr Command fileList[] = {
    {.name = "hdd-list",
     .item = Q7_TRANSLATABLE("Commands", "Get HDD List"),
     .steps = prepareAndFetch(
         "/getfiles", "/Q7files", "q7files.txt",
         //: Wait reason, after "waiting": the players write the list of their media files.
         {.from = 0, .to = 5, .maximum = 15, .why = Q7_TRANSLATABLE("Commands", "for the players to list their disks")},
         {.from = 5, .to = 15, .maximum = 15}),
     .showCopies = true,
     //: The sentence goes on in the next line of the description ("it can be opened and viewed ...").
     .description = {Q7_TRANSLATABLE(
                         "Commands",
                         "Creates a file index of the current media files on the Q7 and downloads the list to your "
                         "computer. This will take a couple of seconds. Once the list has been downloaded,"),
                     //: Ends the sentence of the line before ("... Once the list has been downloaded,").
                     Q7_TRANSLATABLE("Commands", "it can be opened and viewed in any standard text editor.")}},
};

constexpr Command configuration[] = {
    {.name = "restore-config",
     .item = Q7_TRANSLATABLE("Commands", "Restore Config"),
     .steps = {put("/config.conf.put", Source::Chosen), wait({.from = 0, .to = 3, .maximum = 3, .why = kTakeFile}),
               put("/restoreconfig")},
     .filterIndex = kConfigFilter,
     .description =
         {Q7_TRANSLATABLE("Commands",
                          "Uploads the config.conf file and starts the restoreconfig process. Before pressing this "
                          "button, use the configuration tool and adjust the settings to your requirements. "),
          Q7_TRANSLATABLE("Commands",
                          "Save them to a text file with the file name config.conf. You are now ready to upload the "
                          "file and update the settings.")}},
    {.name = "backup-config",
     .item = Q7_TRANSLATABLE("Commands", "Backup Config"),
     .steps = prepareAndFetch("/saveconfig", "/config.conf", "config.conf",
                              //: Wait reason, after "waiting".
                              {.from = 0,
                               .to = 5,
                               .maximum = 15,
                               .why = Q7_TRANSLATABLE("Commands", "for the players to save their settings")},
                              {.from = 5, .to = 15, .maximum = 15}),
     .showCopies = true,
     .description = {Q7_TRANSLATABLE(
         "Commands", "Saves current settings and downloads the config.conf file to your computer. Once the file "
                     "has been downloaded, you can edit it with the configuration tool or any standard text "
                     "editor.")}},
};

constexpr Command osd[] = {
    //: OSD: the player's on-screen display.
    putCommandFile(
        "osd-on", Q7_TRANSLATABLE("Commands", "OSD ON"), "/osd_on",
        {Q7_TRANSLATABLE("Commands",
                         "Turns the OSD (on-screen display) menu ON. This can be used to turn on the OSD during "
                         "playback, instead of stopping playback and accessing the setup menu to change it.")}),
    //: OSD: the player's on-screen display.
    putCommandFile(
        "osd-off", Q7_TRANSLATABLE("Commands", "OSD OFF"), "/osd_off",
        {Q7_TRANSLATABLE("Commands",
                         "Turns the OSD (on-screen display) menu OFF. This can be used to turn off the OSD during "
                         "playback, instead of stopping playback and accessing the setup menu to change it.")}),
    putCommandFile(
        "scrolling-on", Q7_TRANSLATABLE("Commands", "Scrolling ON"), "/scrolling_on",
        {Q7_TRANSLATABLE("Commands",
                         "Turns the scrolling text message ON. This can be used to turn on the scrolling text message "
                         "during playback, instead of stopping playback and accessing the setup menu to change it. "),
         Q7_TRANSLATABLE("Commands",
                         "To display the message, the message.txt file has to be stored on the HDD first.")}),
    putCommandFile(
        "scrolling-off", Q7_TRANSLATABLE("Commands", "Scrolling OFF"), "/scrolling_off",
        {Q7_TRANSLATABLE("Commands",
                         "Turns the scrolling text message OFF. This can be used to turn off the scrolling text "
                         "message during playback, instead of stopping playback and accessing the setup menu to "
                         "change it. "),
         Q7_TRANSLATABLE("Commands",
                         "Once the command has been sent, the scrolling text message will stop and as soon as the "
                         "next file is loaded, the message will disappear.")}),
    {.name = "volume",
     //: Item that sets the players' volume to the number typed beside it (fits a narrow list).
     .item = Q7_TRANSLATABLE("Commands", "Volume"),
     .steps = {put("/multicmd.txt", Source::Scratch)},
     .scratchFile = kOneLineCommandFile,
     .text = "Volume ",
     .withVolume = true},
    {.name = "mute",
     .item = Q7_TRANSLATABLE("Commands", "MUTE"),
     .steps = {put("/multicmd.txt", Source::Scratch)},
     .scratchFile = kOneLineCommandFile,
     .text = "MUTE 0"},
};

constexpr Command systemCommands[] = {
    putCommandFile("reboot", Q7_TRANSLATABLE("Commands", "Reboot"), "/reboot",
                   {Q7_TRANSLATABLE("Commands", "Reboots the device immediately.")}),
    putCommandFile(
        "refresh", Q7_TRANSLATABLE("Commands", "Refresh Content"), "/refreshcontent",
        //: The sentence goes on in the next line of the description ("but have not rebooted the unit yet, ...").
        {Q7_TRANSLATABLE("Commands",
                         "Reloads the playlist and repeat list. Press this button if you have updated the playlist but "
                         "not rebooted the unit yet. If the playback mode is set to repeat and you have updated the "
                         "content, "),
         //: Ends the sentence of the line before ("... you have updated the content, ").
         Q7_TRANSLATABLE("Commands",
                         "but have not rebooted the unit yet, you can also press this button to refresh the list.")}),
    // The players expect the spelling "Signle".
    playMode("playmode single", Q7_TRANSLATABLE("Commands", "Play List by Single"), "Signle"),
    playMode("playmode date", Q7_TRANSLATABLE("Commands", "Play List by Date"), "Date"),
    playMode("playmode time", Q7_TRANSLATABLE("Commands", "Play List by Time"), "Time"),
    playMode("playmode datetime", Q7_TRANSLATABLE("Commands", "Play List by Date/Time"), "DateTime"),
    playMode("playmode repeat", Q7_TRANSLATABLE("Commands", "Repeat Mode"), "Repeat"),
    playMode("playmode stop", Q7_TRANSLATABLE("Commands", "Stop Auto Play"), "Stop"),
    {.item = ""},
};

//: Wait reason, after "waiting".
constexpr Pace kSavePace{.from = 0,
                         .to = 50,
                         .maximum = 100,
                         .stepMs = kExchangeStepMs,
                         .why = Q7_TRANSLATABLE("Commands", "for the player to save its settings")};
constexpr Pace kFetchPace{.from = 51, .to = 100, .maximum = 100, .stepMs = kExchangeStepMs};

// The transfer log names the commands of the other pages by these items.
constexpr Command kBackup{.item = Q7_TRANSLATABLE("Commands", "Backup"),
                          .steps = prepareAndFetch("/saveconfig", "/config.conf", "", kSavePace, kFetchPace)};
constexpr Command kCompare{.item = Q7_TRANSLATABLE("Commands", "Compare"),
                           .steps =
                               prepareAndFetch("/saveconfig", "/config.conf", "compare.conf", kSavePace, kFetchPace)};
constexpr Steps kRestoreSteps{put("/config.conf.put", Source::PerPlayer),
                              wait({.from = 0, .to = 70, .maximum = 70, .stepMs = kExchangeStepMs, .why = kTakeFile}),
                              put("/restoreconfig")};
constexpr Command kRestore{.item = Q7_TRANSLATABLE("Commands", "Restore"), .steps = kRestoreSteps};
constexpr Command kComparePut{.item = Q7_TRANSLATABLE("Commands", "Compare"), .steps = kRestoreSteps};
constexpr Command kTextMessage{.name = "message",
                               .item = Q7_TRANSLATABLE("Commands", "Text message"),
                               .steps = {put("/message.txt", Source::Message)}};
constexpr Command kPutMessage{.item = Q7_TRANSLATABLE("Commands", "Put Message"),
                              .steps = {put("/message.txt", Source::Chosen)}};
constexpr Command kGetMessage{
    .item = Q7_TRANSLATABLE("Commands", "Get Message"),
    .steps = {get("/message_old.txt", "message_old.txt"),
              wait({.from = 0, .to = 3, .maximum = 3, .forFetch = true, .why = kCopiesArrive})},
    .showCopies = true};
constexpr Command kBitmapMessage{.name = "bitmap",
                                 .item = Q7_TRANSLATABLE("Commands", "Bitmap message"),
                                 .steps = {put("/message.target", Source::Message)}};

constexpr Group kGroups[] = {
    {GroupId::Download, Q7_TRANSLATABLE("Commands", "Download Command"), "DownloadBox", "DownloadButton",
     "DownloadMemo", -1, false, Unselected::Empty, download},
    {GroupId::Erase, Q7_TRANSLATABLE("Commands", "Erase Command"), "EraseBox", "EraseButton", "EraseMemo", 0, false,
     Unselected::Keep, erase},
    {GroupId::FileList, Q7_TRANSLATABLE("Commands", "File List Command"), "FileListCMDBox", "FileListButton",
     "FileListMemo", 0, true, Unselected::FirstItem, fileList},
    {GroupId::Configuration, Q7_TRANSLATABLE("Commands", "Configuration Command"), "ConfigBox", "ConfigButton",
     "ConfigMemo", 0, false, Unselected::Keep, configuration},
    //: OSD: the player's on-screen display.
    {GroupId::Osd, Q7_TRANSLATABLE("Commands", "OSD and Scrolling Command"), "OSDBox", "OSDButton", "OSDMemo", 0, false,
     Unselected::Keep, osd},
    {GroupId::System, Q7_TRANSLATABLE("Commands", "System Command"), "SystemCMDBox", "SystemCMDButton", "SystemCMDMemo",
     0, false, Unselected::Empty, systemCommands},
};

std::vector<std::string_view> lines(const Command& command)
{
    std::vector<std::string_view> out;
    for (std::string_view line : command.description)
        if (!line.empty())
            out.push_back(line);
    return out;
}

}  // namespace

bool Command::takes(Source source) const
{
    for (const Step& step : stepList())
        if (step.kind == Step::Kind::Put && step.source == source)
            return true;
    return false;
}

const Step* Command::fetch() const
{
    for (const Step& step : stepList())
        if (step.kind == Step::Kind::Get)
            return &step;
    return nullptr;
}

int Command::transfers() const
{
    int count = 0;
    for (const Step& step : stepList())
        count += step.kind == Step::Kind::Wait ? 0 : 1;
    return count;
}

std::span<const Group> groups() { return kGroups; }

const Command& backupCommand() { return kBackup; }
const Command& restoreCommand() { return kRestore; }
const Command& compareCommand() { return kCompare; }
const Command& comparePutCommand() { return kComparePut; }
const Command& textMessageCommand() { return kTextMessage; }
const Command& putMessageCommand() { return kPutMessage; }
const Command& getMessageCommand() { return kGetMessage; }
const Command& bitmapMessageCommand() { return kBitmapMessage; }

std::vector<const Command*> namedPageCommands()
{
    std::vector<const Command*> named;
    for (const Group& g : kGroups)
        for (const Command& command : g.commands)
            if (!command.name.empty())
                named.push_back(&command);
    return named;
}

const Command* commandNamed(std::string_view name)
{
    if (name.empty())
        return nullptr;
    for (const Command* command : namedPageCommands())
        if (command->name == name)
            return command;
    for (const Command* command : {&kTextMessage, &kBitmapMessage})
        if (command->name == name)
            return command;
    return nullptr;
}

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

std::string transferCaption(const Command& command, std::string_view remote, std::string_view item)
{
    std::string caption(item.empty() ? command.item : item);
    if (command.transfers() > 1)
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
