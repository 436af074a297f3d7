#pragma once
// The drift report: which settings differ between the config files of several players. Files are
// compared key line by key line, so settings the pages do not know (the firmware version, a
// player's own spellings) are compared too.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace q7::config {

// One key line: its section and key as the file spells them ("MISC3", "[Volume]") and its value.
struct ConfigEntry {
    std::string section;
    std::string key;
    std::string value;
};

// The key lines of a config file in file order: a line "[NAME]" without "=" opens a section, a
// line with "=" below a header is a key line (key up to the first "="); lines ending in CR LF, LF
// or CR. As for the store, sections and keys match without regard to letter case and the first
// line of a key in its section counts. A header longer than kMaxSectionName is no section of a
// config file: the key lines below it are skipped up to the next header, so that no entry carries
// a huge name (every entry holds its section's name).
inline constexpr size_t kMaxSectionName = 255;
std::vector<ConfigEntry> configEntries(std::string_view bytes);

struct DriftRow {
    std::string section;
    std::string key;
    std::vector<std::optional<std::string>> values;  // one per file; nothing where the key is missing
};

// The settings whose values are not the same in every file, a missing key counting as a value of
// its own, in the order they first appear.
std::vector<DriftRow> configDrift(const std::vector<std::vector<ConfigEntry>>& files);

// One setting of the compare view: its values across the players and whether they differ.
struct CompareRow {
    std::string section;
    std::string key;
    std::vector<std::optional<std::string>> values;  // one per player; nothing where missing or no answer
    bool differs = false;
};

// Every setting of the files that came, nothing standing for a player that did not answer: the
// settings that differ between the answers (as in configDrift) first, then the ones all answers
// share, each group in the order they first appear. A player without an answer differs from none.
std::vector<CompareRow> compareConfigs(const std::vector<std::optional<std::vector<ConfigEntry>>>& files);

}  // namespace q7::config
