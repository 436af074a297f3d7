#pragma once
// The file-list rules without any window: which local files are media files, how a list root is
// scanned into source entries, the names and line formats of play, download, upload and delete
// lists, and how a player's recursive file listing turns into entries. Entries are "/" separated
// paths on the player's disk ("/001.mp3", "/music/004.mp3"), held as 8-bit bytes.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace q7::lists {

// The media endings in the order they are tried; letter case is ignored.
const std::vector<std::string>& mediaExtensions();
bool isMediaFile(std::string_view name);

// Source entries for a list root: its media files, then those of each immediate subfolder, each
// group in name order. Hidden entries are skipped and deeper folders are not scanned. A root that
// cannot be read gives no entries; an unreadable subfolder adds none.
std::vector<std::string> scanListRoot(const std::string& root);

enum class ListKind { Play, Download, Upload, Delete };

// Every list kind in the order the file list page offers them (a kind's place is its number), with
// the word that names it on q7ctl's command line and the name its list is saved and sent under;
// a play list's is that of the single naming, others follow from its PlayNaming.
struct ListKindInfo {
    ListKind kind;
    std::string_view word;      // "down"
    std::string_view fileName;  // "down.lst"
};
inline constexpr ListKindInfo kListKinds[] = {
    {ListKind::Play, "play", "play.lst"},
    {ListKind::Download, "down", "down.lst"},
    {ListKind::Upload, "upload", "upload.lst"},
    {ListKind::Delete, "delete", "delete.lst"},
};
constexpr const ListKindInfo& listKind(ListKind kind) { return kListKinds[static_cast<int>(kind)]; }
enum class PlayNaming { Single, Date, Time, DateAndTime, Title };

struct PlayWindow {
    int year = 2000, month = 1, day = 1;
    int startHour = 0, startMinute = 0, endHour = 0, endMinute = 0;
};

// "play.lst", "20080101.lst", "_0830_1200.lst", "20080101_0830_1200.lst" or "title.lst".
std::string playListName(PlayNaming naming, const PlayWindow& when);
// The file name a list of `kind` is proposed under (play lists by their naming).
std::string listFileName(ListKind kind, PlayNaming naming, const PlayWindow& when);

// "/music/" for "/music/004.mp3", "/" for "/001.mp3".
std::string entryFolder(std::string_view entry);
// A Server URL loses exactly one trailing "/".
std::string withoutTrailingSlash(std::string url);

// One line per entry: download = base + entry + " " + entry; upload = entry + " " + base + folder.
std::vector<std::string> downloadLines(const std::vector<std::string>& entries, std::string_view base);
std::vector<std::string> uploadLines(const std::vector<std::string>& entries, std::string_view base);
// Every line followed by CR LF; no lines give an empty file.
std::string listFileBytes(const std::vector<std::string>& lines);

// Entries of a recursive long-format listing of the player's disk: "/tmp/ccc/HDD..." lines name the
// current folder, "-rwxr-xr-x" lines name a file in it (the text after the last blank). Lines end at
// CR LF, LF or CR; every other line is skipped. No path on a disk is longer than kMaxEntryBytes
// (the system's PATH_MAX), so a file line whose entry would be longer comes from no disk and is
// skipped: each entry holds its folder, and a huge folder line must not multiply the listing.
inline constexpr size_t kMaxEntryBytes = 4096;
std::vector<std::string> parseListing(std::string_view bytes);

}  // namespace q7::lists
