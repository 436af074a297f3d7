#include "core/base/inistore.h"

#include "core/base/ascii.h"
#include "core/base/programfolder.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <unordered_map>

namespace fs = std::filesystem;

namespace q7 {
namespace {

// Compares `line` (NULs skipped) with `text` from its start; `whole` demands that the line ends there.
bool matchesUpper(std::string_view line, std::string_view text, bool whole)
{
    size_t t = 0;
    size_t i = 0;
    for (; i < line.size(); ++i) {
        if (line[i] == '\0')
            continue;
        if (t == text.size())
            return !whole;
        if (asciiUpper(line[i]) != asciiUpper(text[t]))
            return false;
        ++t;
    }
    return t == text.size();
}

std::vector<std::string> readLines(const std::string& path) { return splitLines(readTextFile(path)); }

void appendBytes(const std::string& path, const std::string& bytes)
{
    std::FILE* f = std::fopen(path.c_str(), "ab");
    if (!f)
        throw IniError("Cannot open file \"" + path + "\": " + std::strerror(errno));
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const int err = errno;
    if (std::fclose(f) != 0 || !ok)
        throw IniError("Cannot write file \"" + path + "\": " + std::strerror(ok ? errno : err));
}

// What a header and a key line start with; made once per scan, matched against every line.
std::string headerText(std::string_view section) { return "[" + std::string(section) + "]"; }
std::string keyPrefix(std::string_view key) { return std::string(key) + "="; }

}  // namespace

bool iniIsHeader(std::string_view line, std::string_view section)
{
    return matchesUpper(line, headerText(section), true);
}

bool iniIsKeyLine(std::string_view line, std::string_view key) { return matchesUpper(line, keyPrefix(key), false); }

std::vector<std::string> iniReadValues(const std::vector<std::string>& lines, std::string_view section,
                                       const std::vector<std::string>& keys)
{
    // A line is the line of key K when its text before the first '=' is K (letter case and NULs
    // aside). Keys still looked for, upper-cased, with the places they fill.
    std::unordered_map<std::string, std::vector<size_t>> pending;
    for (size_t k = 0; k < keys.size(); ++k) {
        std::string upper;
        for (char c : keys[k])
            upper.push_back(asciiUpper(c));
        pending[upper].push_back(k);
    }
    std::vector<std::string> values(keys.size());
    const std::string header = headerText(section);
    std::string lineKey;
    size_t i = 0;
    while (i < lines.size() && !pending.empty()) {
        if (!matchesUpper(lines[i++], header, true))
            continue;
        // Search below the header until an empty line; other headers do not stop it. A key line
        // with an empty value does not count.
        for (; i < lines.size() && !pending.empty(); ++i) {
            const std::string& line = lines[i];
            if (line.empty())
                break;
            const size_t equals = line.find('=');
            if (equals == std::string::npos || equals + 1 == line.size())
                continue;
            lineKey.clear();
            for (size_t c = 0; c < equals; ++c)
                if (line[c] != '\0')
                    lineKey.push_back(asciiUpper(line[c]));
            if (const auto found = pending.find(lineKey); found != pending.end()) {
                for (size_t k : found->second)
                    values[k] = line.substr(equals + 1);
                pending.erase(found);
            }
        }
        ++i;  // the line that ended the inner search is not tested as a header again
    }
    return values;
}

int iniFindKeyLine(const std::vector<std::string>& lines, std::string_view section, std::string_view key)
{
    const std::string header = headerText(section);
    const std::string prefix = keyPrefix(key);
    size_t i = 0;
    while (i < lines.size()) {
        if (!matchesUpper(lines[i++], header, true))
            continue;
        for (; i < lines.size(); ++i) {
            const std::string& line = lines[i];
            if (matchesUpper(line, prefix, false))
                return int(i) + 1;
            if (!line.empty() && line.front() == '[')
                break;
        }
        ++i;
    }
    return 0;
}

IniEdit iniPlanWrite(const std::vector<std::string>& lines, int keyLine, std::string_view section,
                     std::string_view key, std::string_view value)
{
    std::string newLine;
    newLine.append(key).append("=").append(value);

    // Replace mode at keyLine, else insert below the first header of the section.
    size_t at = 0;
    bool replace = keyLine > 0;
    if (replace) {
        at = size_t(keyLine) - 1;
    } else {
        const std::string header = headerText(section);
        size_t h = 0;
        while (h < lines.size() && !matchesUpper(lines[h], header, true))
            ++h;
        if (h == lines.size()) {
            std::string tail = "\r\n[";
            tail.append(section).append("]\r\n").append(newLine).append("\r\n");
            return {IniEdit::Kind::Append, std::move(tail)};
        }
        at = h + 1;
    }

    std::string out;
    size_t total = newLine.size() + 2;
    for (const auto& l : lines)
        total += l.size() + 2;
    out.reserve(total);
    for (size_t i = 0; i <= lines.size(); ++i) {
        if (i == at)
            out.append(newLine).append("\r\n");
        if (i == lines.size())
            break;
        if (!(replace && i == at))
            out.append(lines[i]).append("\r\n");
    }
    return {IniEdit::Kind::Rewrite, std::move(out)};
}

const std::vector<std::string>& IniDocument::lines() const
{
    if (!m_lines)
        m_lines = splitLines(m_bytes);
    return *m_lines;
}

std::vector<std::string> IniDocument::readValues(std::string_view section, const std::vector<std::string>& keys)
{
    return iniReadValues(lines(), section, keys);
}

int IniDocument::findKeyLine(std::string_view section, std::string_view key) const
{
    return iniFindKeyLine(lines(), section, key);
}

void IniDocument::writeValue(std::string_view section, std::string_view key, std::string_view value)
{
    IniEdit edit = iniPlanWrite(lines(), findKeyLine(section, key), section, key, value);
    if (edit.kind == IniEdit::Kind::Append)
        m_bytes += edit.bytes;
    else
        m_bytes = std::move(edit.bytes);
    m_lines.reset();
}

std::string IniStore::defaultFileName()
{
    const fs::path program = programFolder();
    return program.empty() ? std::string("Config.ini") : (program / "Config.ini").string();
}

IniStore::IniStore(std::string fileName, Reporter scanErrorReporter)
    : m_fileName(std::move(fileName)), m_report(std::move(scanErrorReporter))
{
}

std::vector<std::string> IniStore::readValues(std::string_view section, const std::vector<std::string>& keys)
{
    try {
        createFileIfMissing(m_fileName);
        return iniReadValues(readLines(m_fileName), section, keys);
    } catch (const IniError&) {
        return std::vector<std::string>(keys.size());
    }
}

int IniStore::findKeyLine(std::string_view section, std::string_view key)
{
    try {
        createFileIfMissing(m_fileName);
        return iniFindKeyLine(readLines(m_fileName), section, key);
    } catch (const IniError& e) {
        if (m_report)
            m_report(e.what());
        return 0;
    }
}

void IniStore::writeValue(std::string_view section, std::string_view key, std::string_view value)
{
    const int keyLine = findKeyLine(section, key);  // also creates a missing file
    const IniEdit edit = iniPlanWrite(readLines(m_fileName), keyLine, section, key, value);
    if (edit.kind == IniEdit::Kind::Append) {
        appendBytes(m_fileName, edit.bytes);
        return;
    }
    // The store's files are working copies rewritten key by key; whoever puts a finished file in
    // place syncs it, so the rewrites here skip that.
    replaceTextFile(m_fileName, edit.bytes, {.refuseReadOnly = false, .sync = false});
}

}  // namespace q7
