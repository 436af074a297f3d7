#include "core/lists/listfiles.h"

#include "core/base/ascii.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iterator>

namespace fs = std::filesystem;

namespace q7::lists {
namespace {

bool endsWithIgnoringCase(std::string_view text, std::string_view ending)
{
    if (text.size() < ending.size())
        return false;
    return std::equal(ending.begin(), ending.end(), text.end() - std::ptrdiff_t(ending.size()),
                      [](char a, char b) { return asciiLower(a) == asciiLower(b); });
}

// Name order as the folder listing gives it: letter case ignored, exact bytes to break ties.
bool nameLess(const std::string& a, const std::string& b)
{
    const auto mismatch = std::mismatch(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return asciiLower(x) == asciiLower(y); });
    if (mismatch.first == a.end() || mismatch.second == b.end())
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    return (unsigned char)asciiLower(*mismatch.first) < (unsigned char)asciiLower(*mismatch.second);
}

struct FolderContents {
    std::vector<std::string> files;
    std::vector<std::string> folders;
};

// The visible regular files and folders of `path`, each sorted by name; nothing when unreadable.
FolderContents readFolder(const fs::path& path)
{
    FolderContents contents;
    std::error_code ec;
    fs::directory_iterator it(path, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (name.empty() || name.front() == '.')
            continue;
        std::error_code typeError;
        if (it->is_regular_file(typeError))
            contents.files.push_back(std::move(name));
        else if (it->is_directory(typeError))
            contents.folders.push_back(std::move(name));
    }
    std::sort(contents.files.begin(), contents.files.end(), nameLess);
    std::sort(contents.folders.begin(), contents.folders.end(), nameLess);
    return contents;
}

}  // namespace

const std::vector<std::string>& mediaExtensions()
{
    static const std::vector<std::string> endings = {".avi", ".mpg", ".mpeg", ".mov", ".ts",  ".wmv",
                                                     ".vob", ".bmp", ".jpg",  ".mp3", ".bin", ".ios",
                                                     ".pic", ".toppic", ".txt", ".cod", ".fmw", ".lst"};
    return endings;
}

bool isMediaFile(std::string_view name)
{
    const auto& endings = mediaExtensions();
    return std::any_of(endings.begin(), endings.end(),
                       [name](const std::string& ending) { return endsWithIgnoringCase(name, ending); });
}

std::vector<std::string> scanListRoot(const std::string& root)
{
    std::vector<std::string> entries;
    const FolderContents top = readFolder(root);
    for (const std::string& file : top.files)
        if (isMediaFile(file))
            entries.push_back("/" + file);
    for (const std::string& folder : top.folders)
        for (const std::string& file : readFolder(fs::path(root) / folder).files)
            if (isMediaFile(file))
                entries.push_back("/" + folder + "/" + file);
    return entries;
}

std::string playListName(PlayNaming naming, const PlayWindow& w)
{
    char date[32], window[32];
    std::snprintf(date, sizeof date, "%d%02d%02d", w.year, w.month, w.day);
    std::snprintf(window, sizeof window, "_%02d%02d_%02d%02d", w.startHour, w.startMinute, w.endHour, w.endMinute);
    const std::string single(listKind(ListKind::Play).fileName);
    switch (naming) {
    case PlayNaming::Single: return single;
    case PlayNaming::Date: return std::string(date) + ".lst";
    case PlayNaming::Time: return std::string(window) + ".lst";
    case PlayNaming::DateAndTime: return std::string(date) + window + ".lst";
    case PlayNaming::Title: return "title.lst";
    }
    return single;
}

// listKind() finds a kind at its own number.
static_assert([] {
    for (size_t i = 0; i < std::size(kListKinds); ++i)
        if (static_cast<size_t>(kListKinds[i].kind) != i)
            return false;
    return true;
}());

std::string listFileName(ListKind kind, PlayNaming naming, const PlayWindow& when)
{
    return kind == ListKind::Play ? playListName(naming, when) : std::string(listKind(kind).fileName);
}

std::string entryFolder(std::string_view entry)
{
    const size_t slash = entry.rfind('/');
    return slash == std::string_view::npos ? std::string() : std::string(entry.substr(0, slash + 1));
}

std::string withoutTrailingSlash(std::string url)
{
    if (!url.empty() && url.back() == '/')
        url.pop_back();
    return url;
}

std::vector<std::string> downloadLines(const std::vector<std::string>& entries, std::string_view base)
{
    std::vector<std::string> lines;
    lines.reserve(entries.size());
    for (const std::string& entry : entries)
        lines.push_back(std::string(base) + entry + " " + entry);
    return lines;
}

std::vector<std::string> uploadLines(const std::vector<std::string>& entries, std::string_view base)
{
    std::vector<std::string> lines;
    lines.reserve(entries.size());
    for (const std::string& entry : entries)
        lines.push_back(entry + " " + std::string(base) + entryFolder(entry));
    return lines;
}

std::string listFileBytes(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines)
        bytes.append(line).append("\r\n");
    return bytes;
}

std::vector<std::string> parseListing(std::string_view bytes)
{
    static constexpr std::string_view kMount = "/tmp/ccc/HDD";
    static constexpr std::string_view kFile = "-rwxr-xr-x";
    std::vector<std::string> entries;
    std::string folder;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = bytes.size();
        const std::string_view line = bytes.substr(start, end - start);
        start = end + (bytes.substr(end, 2) == "\r\n" ? 2 : 1);

        if (line.substr(0, kMount.size()) == kMount) {
            // Every "/:" goes, also one that only forms when another has gone ("//::"), then every
            // other ':'. In one pass: a ':' takes the '/' before it along, if there is one.
            folder.clear();
            for (char c : line.substr(kMount.size())) {
                if (c != ':')
                    folder.push_back(c);
                else if (!folder.empty() && folder.back() == '/')
                    folder.pop_back();
            }
        } else if (line.substr(0, kFile.size()) == kFile) {
            const size_t blank = line.rfind(' ');
            std::string_view name = blank == std::string_view::npos ? std::string_view() : line.substr(blank + 1);
            while (!name.empty() && (unsigned char)name.front() <= ' ')
                name.remove_prefix(1);
            if (folder.size() + 1 + name.size() <= kMaxEntryBytes)
                entries.push_back(folder + "/" + std::string(name));
        }
    }
    return entries;
}

}  // namespace q7::lists
