#pragma once
// The tool's own settings file: message font and colours, file list root and server addresses,
// and the player slots. Read at start-up, rebuilt at shut-down.

#include <string>
#include <vector>

namespace q7 {

class IniStore;

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

// Reads the file the store names: the four font keys, the non-empty player slots 0..128, then LIST_EDIT.
AppSettings readAppSettings(IniStore& store);

// The complete file as shut-down builds it key by key: each section's keys come out in reverse
// order below their header, the player slots from the highest down.
std::string buildAppSettingsFile(const AppSettings& settings);

// Replaces the settings file in `dir` in one step: the new file is written and synced beside the old
// one, then renamed over it; files of the same name in another letter case are removed. On any
// failure the old file stays as it was. Throws IniError.
void saveAppSettings(const std::string& dir, const AppSettings& settings);

// Writes `bytes` to `path` through a synced temporary file in the same folder and a rename.
void replaceFileAtomically(const std::string& path, const std::string& bytes);

// Deletes the files in `dir` whose names begin with "tftp" in any letter case; returns how many.
int deleteTftpFiles(const std::string& dir);

}  // namespace q7
