#include "base/inistore.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace q7 {
namespace {

char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

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
        if (upperAscii(line[i]) != upperAscii(text[t]))
            return false;
        ++t;
    }
    return t == text.size();
}

std::string ioMessage(const char* what, const std::string& path, int err)
{
    return std::string(what) + " \"" + path + "\": " + std::strerror(err);
}

void writeAll(const std::string& path, const std::string& bytes, bool append)
{
    std::FILE* f = std::fopen(path.c_str(), append ? "ab" : "wb");
    if (!f)
        throw IniError(ioMessage("Cannot create file", path, errno));
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const int err = errno;
    if (std::fclose(f) != 0 || !ok)
        throw IniError(ioMessage("Cannot write file", path, ok ? errno : err));
}

std::vector<std::string> readLines(const std::string& path) { return iniSplitLines(readFileBytes(path)); }

}  // namespace

std::vector<std::string> iniSplitLines(std::string_view bytes)
{
    if (auto eof = bytes.find('\x1a'); eof != std::string_view::npos)
        bytes = bytes.substr(0, eof);
    std::vector<std::string> lines;
    std::string line;
    bool open = false;
    for (char c : bytes) {
        if (c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
            open = false;
        } else {
            open = true;
            if (c != '\r')
                line.push_back(c);
        }
    }
    if (open)
        lines.push_back(std::move(line));
    return lines;
}

bool iniIsHeader(std::string_view line, std::string_view section)
{
    std::string header;
    header.reserve(section.size() + 2);
    header.append("[").append(section).append("]");
    return matchesUpper(line, header, true);
}

bool iniIsKeyLine(std::string_view line, std::string_view key)
{
    std::string prefix(key);
    prefix.push_back('=');
    return matchesUpper(line, prefix, false);
}

std::string iniReadValue(const std::vector<std::string>& lines, std::string_view section, std::string_view key)
{
    size_t i = 0;
    while (i < lines.size()) {
        if (!iniIsHeader(lines[i++], section))
            continue;
        // Search below the header until an empty line; other headers do not stop it.
        for (; i < lines.size(); ++i) {
            const std::string& line = lines[i];
            if (line.empty())
                break;
            if (iniIsKeyLine(line, key)) {
                std::string value = line.substr(line.find('=') + 1);
                if (!value.empty())
                    return value;
            }
        }
        ++i;  // the line that ended the inner search is not tested as a header again
    }
    return {};
}

int iniFindKeyLine(const std::vector<std::string>& lines, std::string_view section, std::string_view key)
{
    size_t i = 0;
    while (i < lines.size()) {
        if (!iniIsHeader(lines[i++], section))
            continue;
        for (; i < lines.size(); ++i) {
            const std::string& line = lines[i];
            if (iniIsKeyLine(line, key))
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
        size_t h = 0;
        while (h < lines.size() && !iniIsHeader(lines[h], section))
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

std::string IniDocument::readValue(std::string_view section, std::string_view key)
{
    return iniReadValue(iniSplitLines(m_bytes), section, key);
}

int IniDocument::findKeyLine(std::string_view section, std::string_view key) const
{
    return iniFindKeyLine(iniSplitLines(m_bytes), section, key);
}

void IniDocument::writeValue(std::string_view section, std::string_view key, std::string_view value)
{
    const auto lines = iniSplitLines(m_bytes);
    IniEdit edit = iniPlanWrite(lines, iniFindKeyLine(lines, section, key), section, key, value);
    if (edit.kind == IniEdit::Kind::Append)
        m_bytes += edit.bytes;
    else
        m_bytes = std::move(edit.bytes);
}

std::string readFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw IniError(ioMessage("Cannot open file", path, errno));
    std::error_code ec;
    if (fs::is_directory(path, ec))
        throw IniError(ioMessage("Cannot open file", path, EISDIR));
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        throw IniError(ioMessage("Cannot read file", path, errno));
    return bytes;
}

std::string resolveCaseInsensitive(const std::string& path)
{
    std::error_code ec;
    if (fs::exists(fs::symlink_status(path, ec)))
        return path;
    const fs::path p(path);
    const fs::path dir = p.has_parent_path() ? p.parent_path() : fs::path(".");
    const std::string name = p.filename().string();
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string candidate = it->path().filename().string();
        if (candidate.size() == name.size() && matchesUpper(candidate, name, true))
            return p.has_parent_path() ? (dir / candidate).string() : candidate;
    }
    return path;
}

std::string IniStore::defaultFileName()
{
    std::error_code ec;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string("Config.ini") : (program.parent_path() / "Config.ini").string();
}

IniStore::IniStore(std::string fileName, Reporter scanErrorReporter)
    : m_fileName(std::move(fileName)), m_report(std::move(scanErrorReporter))
{
}

std::string IniStore::resolvedPath() const { return resolveCaseInsensitive(m_fileName); }

std::string IniStore::ensureFile()
{
    const std::string path = resolvedPath();
    std::error_code ec;
    if (!fs::exists(path, ec))
        writeAll(path, {}, true);
    return path;
}

std::string IniStore::readValue(std::string_view section, std::string_view key)
{
    try {
        return iniReadValue(readLines(ensureFile()), section, key);
    } catch (const IniError&) {
        return {};
    }
}

int IniStore::findKeyLine(std::string_view section, std::string_view key)
{
    std::string path;
    try {
        path = ensureFile();
        return iniFindKeyLine(readLines(path), section, key);
    } catch (const IniError& e) {
        if (m_report)
            m_report(e.what());
        return 0;
    }
}

void IniStore::writeValue(std::string_view section, std::string_view key, std::string_view value)
{
    const int keyLine = findKeyLine(section, key);  // also creates a missing file
    const std::string path = resolvedPath();
    const IniEdit edit = iniPlanWrite(readLines(path), keyLine, section, key, value);
    if (edit.kind == IniEdit::Kind::Append) {
        writeAll(path, edit.bytes, true);
        return;
    }
    // Rewrite through the temporary copy; a failed rename leaves the file untouched.
    const std::string tmp = path + ".tmp";
    std::error_code ec;
    fs::remove(tmp, ec);
    if (std::rename(path.c_str(), tmp.c_str()) != 0)
        throw IniError(ioMessage("Cannot rename file", path, errno));
    try {
        writeAll(path, edit.bytes, false);
    } catch (const IniError&) {
        std::rename(tmp.c_str(), path.c_str());  // put the old contents back
        throw;
    }
    fs::remove(tmp, ec);
}

}  // namespace q7
