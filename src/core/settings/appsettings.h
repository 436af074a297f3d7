#pragma once
// The tool's own settings file: message font and colours, file list root and server addresses,
// and the player slots. Read at start-up, rebuilt at shut-down.

#include <string>
#include <vector>

namespace q7 {

class IniValues;

inline constexpr const char* kSettingsReadName = "Q7_Configuration_v3.ini";
inline constexpr const char* kSettingsWriteName = "Q7_Configuration_V3.ini";
inline constexpr int kPlayerSlots = 129;  // slots 0..128 are read back

struct StoredPlayer {
    std::string name;
    std::string address;
    bool operator==(const StoredPlayer&) const = default;
};

// Values as the file holds them (texts); turning them into a font or colours is the caller's job.
struct AppSettings {
    std::string fontName, fontSize, foreColor, backColor;
    std::string root, downUrl, upUrl;
    std::vector<StoredPlayer> players;  // in row order
};

// Reads the four font keys, the non-empty player slots 0..128, then LIST_EDIT.
AppSettings readAppSettings(IniValues& file);

// The settings file in `dir`, found in any letter case (an empty one is left behind when there is
// none). A file that cannot be used (a folder, FIFO, device, a file over kMaxTextFileBytes, or
// one that cannot be read) gives the defaults and, in `problem`, the reason to tell the operator.
AppSettings loadAppSettings(const std::string& dir, std::string& problem);

// The complete file as shut-down builds it key by key: each section's keys come out in reverse
// order below their header, the player slots from the highest down.
std::string buildAppSettingsFile(const AppSettings& settings);

// Replaces the settings file in `dir` in one step (base/textfile.h: written and synced beside the
// old one, then renamed over it; a link to a regular file stays a link, the permission bits stay).
// The file takes the written spelling, and other files of that name in another letter case are
// removed. On any failure the old file stays as it was. Throws IniError.
void saveAppSettings(const std::string& dir, const AppSettings& settings);

// Deletes the fetch temporaries left in `dir`: regular files named exactly as the tool names them
// ("tftp-Q7_<row>_<suffix>-XXXXXX", see transfer/tftpcommand.h), never any other file; returns how many.
int deleteTftpFiles(const std::string& dir);

}  // namespace q7
