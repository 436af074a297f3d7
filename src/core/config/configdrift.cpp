#include "core/config/configdrift.h"

#include "core/base/ascii.h"
#include "core/base/textfile.h"

#include <algorithm>
#include <map>
#include <set>

namespace q7::config {
namespace {

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
    // Upper-cased section and key of every entry, "\n" between them (neither holds a line end):
    // a file of many keys is not compared key by key against all before it.
    std::set<std::string> seen;
    std::string section;
    bool inSection = false;
    for (const std::string& line : lines(bytes)) {
        const size_t equals = line.find('=');
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']' && equals == std::string::npos) {
            section = line.substr(1, line.size() - 2);
            inSection = section.size() <= kMaxSectionName;
            continue;
        }
        if (!inSection || equals == std::string::npos || equals == 0)
            continue;
        std::string key = line.substr(0, equals);
        if (seen.insert(asciiUpper(section) + '\n' + asciiUpper(key)).second)
            entries.push_back({section, std::move(key), line.substr(equals + 1)});
    }
    return entries;
}

namespace {

// Every setting of the files in the order they first appear; a null file did not answer.
std::vector<CompareRow> settingRows(const std::vector<const std::vector<ConfigEntry>*>& files)
{
    std::vector<CompareRow> rows;
    std::map<std::string, size_t> rowOf;  // upper-cased section and key
    for (size_t file = 0; file < files.size(); ++file) {
        if (!files[file])
            continue;
        for (const ConfigEntry& entry : *files[file]) {
            const std::string id = asciiUpper(entry.section) + '\n' + asciiUpper(entry.key);
            auto [it, added] = rowOf.emplace(id, rows.size());
            if (added)
                rows.push_back({entry.section, entry.key, std::vector<std::optional<std::string>>(files.size()), false});
            rows[it->second].values[file] = entry.value;
        }
    }
    for (CompareRow& row : rows) {
        const std::optional<std::string>* first = nullptr;
        for (size_t file = 0; file < files.size() && !row.differs; ++file) {
            if (!files[file])
                continue;
            if (!first)
                first = &row.values[file];
            else
                row.differs = row.values[file] != *first;
        }
    }
    return rows;
}

}  // namespace

std::vector<DriftRow> configDrift(const std::vector<std::vector<ConfigEntry>>& files)
{
    std::vector<const std::vector<ConfigEntry>*> answered;
    for (const std::vector<ConfigEntry>& file : files)
        answered.push_back(&file);
    std::vector<DriftRow> rows;
    for (CompareRow& row : settingRows(answered))
        if (row.differs)
            rows.push_back({std::move(row.section), std::move(row.key), std::move(row.values)});
    return rows;
}

std::vector<CompareRow> compareConfigs(const std::vector<std::optional<std::vector<ConfigEntry>>>& files)
{
    std::vector<const std::vector<ConfigEntry>*> answered;
    for (const std::optional<std::vector<ConfigEntry>>& file : files)
        answered.push_back(file ? &*file : nullptr);
    std::vector<CompareRow> rows = settingRows(answered);
    std::stable_partition(rows.begin(), rows.end(), [](const CompareRow& row) { return row.differs; });
    return rows;
}

}  // namespace q7::config
