#include "core/settings/appsettings.h"

#include "core/base/ascii.h"
#include "core/base/inistore.h"
#include "core/base/textfile.h"
#include "core/transfer/tftpcommand.h"

#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

namespace q7 {
namespace {

constexpr const char* kFont = "FONT";
constexpr const char* kListEdit = "LIST_EDIT";
constexpr const char* kPlayers = "Q7_Dev";

}  // namespace

AppSettings readAppSettings(IniValues& file)
{
    // Each section in one pass, however many keys: a long file must not be scanned some 400 times.
    AppSettings s;
    const auto font = file.readValues(kFont, {"NAME", "SIZE", "FORE", "BACK"});
    s.fontName = font[0];
    s.fontSize = font[1];
    s.foreColor = font[2];
    s.backColor = font[3];
    std::vector<std::string> slots;
    for (int n = 0; n < kPlayerSlots; ++n)
        slots.push_back("IP_" + std::to_string(n));
    const auto addresses = file.readValues(kPlayers, slots);
    slots.clear();
    for (size_t n = 0; n < addresses.size(); ++n)
        if (!addresses[n].empty())
            slots.push_back("NAME_" + std::to_string(n));
    const auto names = file.readValues(kPlayers, slots);
    for (const std::string& address : addresses)
        if (!address.empty())
            s.players.push_back({names[s.players.size()], address});
    const auto listEdit = file.readValues(kListEdit, {"ROOT", "DOWNURL", "UPURL"});
    s.root = listEdit[0];
    s.downUrl = listEdit[1];
    s.upUrl = listEdit[2];
    return s;
}

std::string buildAppSettingsFile(const AppSettings& s)
{
    // Each value is one line: a line break in a folder name or a pasted player name would otherwise
    // add lines (even players) to the file, and a Ctrl-Z would end it for every reader.
    IniDocument doc;
    const auto write = [&doc](const char* section, const std::string& key, const std::string& value) {
        doc.writeValue(section, key, asOneLine(value));
    };
    write(kFont, "NAME", s.fontName);
    write(kFont, "SIZE", s.fontSize);
    write(kFont, "FORE", s.foreColor);
    write(kFont, "BACK", s.backColor);
    write(kListEdit, "ROOT", s.root);
    write(kListEdit, "DOWNURL", s.downUrl);
    write(kListEdit, "UPURL", s.upUrl);
    for (size_t n = 0; n < s.players.size(); ++n) {
        const std::string slot = std::to_string(n);
        write(kPlayers, "NAME_" + slot, s.players[n].name);
        write(kPlayers, "IP_" + slot, s.players[n].address);
    }
    return doc.bytes();
}

AppSettings loadAppSettings(const std::string& dir, std::string& problem)
{
    const std::string path = resolveCaseInsensitive((fs::path(dir) / kSettingsReadName).string());
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(path, ec))) {
        // A first start: an empty file is left behind, as the store's reads do. A folder that
        // cannot take it is not worth a word now; shut-down reports it when it cannot save.
        try {
            createFileIfMissing(path);
        } catch (const FileError&) {
        }
        return {};
    }
    try {
        IniDocument file(readTextFile(path));
        return readAppSettings(file);
    } catch (const FileError& e) {
        problem = e.what();
        return {};
    }
}

void saveAppSettings(const std::string& dir, const AppSettings& settings)
{
    const std::string written = (fs::path(dir) / kSettingsWriteName).string();
    // The file that is there in another spelling is the one to replace, unless it is a folder.
    std::string existing = resolveCaseInsensitive(written);
    std::error_code ec;
    if (fs::is_directory(fs::symlink_status(existing, ec)))
        existing = written;
    replaceTextFile(existing, buildAppSettingsFile(settings));
    if (existing != written && std::rename(existing.c_str(), written.c_str()) != 0)
        return;  // the new content stands under the old spelling, which start-up finds as well
    // The same file in another letter case must not linger as a second copy.
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code fileEc;
        if (name != kSettingsWriteName && asciiLower(name) == asciiLower(kSettingsWriteName) &&
            !fs::is_directory(it->symlink_status(fileEc)))
            fs::remove(it->path(), fileEc);
    }
}

int deleteTftpFiles(const std::string& dir)
{
    int removed = 0;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code fileEc;
        if (!it->is_regular_file(fileEc) || !isFetchFileName(it->path().filename().string()))
            continue;
        if (fs::remove(it->path(), fileEc))
            ++removed;
    }
    return removed;
}

}  // namespace q7
