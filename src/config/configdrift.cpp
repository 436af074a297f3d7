#include "config/configdrift.h"

#include "base/textfile.h"

#include <algorithm>
#include <map>

namespace q7::config {
namespace {

std::string upper(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return out;
}

// Lone CR line ends too: a player's file is not held to the tool's CR LF.
std::vector<std::string> lines(std::string_view bytes)
{
    std::string unified(bytes);
    for (size_t at = 0; (at = unified.find('\r', at)) != std::string::npos; ++at)
        if (at + 1 >= unified.size() || unified[at + 1] != '\n')
            unified[at] = '\n';
    return splitLines(unified);
}

}  // namespace

std::vector<ConfigEntry> configEntries(std::string_view bytes)
{
    std::vector<ConfigEntry> entries;
    std::string section;
    bool inSection = false;
    for (const std::string& line : lines(bytes)) {
        const size_t equals = line.find('=');
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']' && equals == std::string::npos) {
            section = line.substr(1, line.size() - 2);
            inSection = true;
            continue;
        }
        if (!inSection || equals == std::string::npos || equals == 0)
            continue;
        const std::string key = line.substr(0, equals);
        const bool seen = std::any_of(entries.begin(), entries.end(), [&](const ConfigEntry& entry) {
            return upper(entry.section) == upper(section) && upper(entry.key) == upper(key);
        });
        if (!seen)
            entries.push_back({section, key, line.substr(equals + 1)});
    }
    return entries;
}

std::vector<DriftRow> configDrift(const std::vector<std::vector<ConfigEntry>>& files)
{
    std::vector<DriftRow> rows;
    std::map<std::string, size_t> rowOf;  // upper-cased section and key
    for (size_t file = 0; file < files.size(); ++file) {
        for (const ConfigEntry& entry : files[file]) {
            const std::string id = upper(entry.section) + '\n' + upper(entry.key);
            auto [it, added] = rowOf.emplace(id, rows.size());
            if (added)
                rows.push_back({entry.section, entry.key, std::vector<std::optional<std::string>>(files.size())});
            rows[it->second].values[file] = entry.value;
        }
    }
    std::erase_if(rows, [](const DriftRow& row) {
        return std::all_of(row.values.begin(), row.values.end(),
                           [&](const std::optional<std::string>& value) { return value == row.values.front(); });
    });
    return rows;
}

}  // namespace q7::config
