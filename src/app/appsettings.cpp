#include "app/appsettings.h"

#include "base/inistore.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace q7 {
namespace {

constexpr const char* kFont = "FONT";
constexpr const char* kListEdit = "LIST_EDIT";
constexpr const char* kPlayers = "Q7_Dev";

std::string lowerAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return out;
}

bool startsWithNoCase(const std::string& name, std::string_view prefix)
{
    return lowerAscii(std::string_view(name).substr(0, prefix.size())) == lowerAscii(prefix);
}

}  // namespace

AppSettings readAppSettings(IniStore& store)
{
    AppSettings s;
    s.fontName = store.readValue(kFont, "NAME");
    s.fontSize = store.readValue(kFont, "SIZE");
    s.foreColor = store.readValue(kFont, "FORE");
    s.backColor = store.readValue(kFont, "BACK");
    for (int n = 0; n < kPlayerSlots; ++n) {
        const std::string slot = std::to_string(n);
        std::string address = store.readValue(kPlayers, "IP_" + slot);
        if (!address.empty())
            s.players.push_back({store.readValue(kPlayers, "NAME_" + slot), std::move(address)});
    }
    s.root = store.readValue(kListEdit, "ROOT");
    s.downUrl = store.readValue(kListEdit, "DOWNURL");
    s.upUrl = store.readValue(kListEdit, "UPURL");
    return s;
}

std::string buildAppSettingsFile(const AppSettings& s)
{
    IniDocument doc;
    doc.writeValue(kFont, "NAME", s.fontName);
    doc.writeValue(kFont, "SIZE", s.fontSize);
    doc.writeValue(kFont, "FORE", s.foreColor);
    doc.writeValue(kFont, "BACK", s.backColor);
    doc.writeValue(kListEdit, "ROOT", s.root);
    doc.writeValue(kListEdit, "DOWNURL", s.downUrl);
    doc.writeValue(kListEdit, "UPURL", s.upUrl);
    for (size_t n = 0; n < s.players.size(); ++n) {
        const std::string slot = std::to_string(n);
        doc.writeValue(kPlayers, "NAME_" + slot, s.players[n].name);
        doc.writeValue(kPlayers, "IP_" + slot, s.players[n].address);
    }
    return doc.bytes();
}

void replaceFileAtomically(const std::string& path, const std::string& bytes)
{
    const fs::path target(path);
    std::string pattern = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        throw IniError("Cannot create file \"" + path + "\": " + std::strerror(errno));
    ::fchmod(fd, 0644);
    size_t done = 0;
    int err = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            err = errno;
            break;
        }
        done += size_t(n);
    }
    if (!err && ::fsync(fd) != 0)
        err = errno;
    if (::close(fd) != 0 && !err)
        err = errno;
    if (!err && ::rename(pattern.c_str(), path.c_str()) != 0)
        err = errno;
    if (err) {
        ::unlink(pattern.c_str());
        throw IniError("Cannot write file \"" + path + "\": " + std::strerror(err));
    }
}

void saveAppSettings(const std::string& dir, const AppSettings& settings)
{
    const fs::path target = fs::path(dir) / kSettingsWriteName;
    replaceFileAtomically(target.string(), buildAppSettingsFile(settings));
    // The same file in another letter case ("..._v3.ini" from a first start) must not linger as a second copy.
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name != kSettingsWriteName && lowerAscii(name) == lowerAscii(kSettingsWriteName))
            fs::remove(it->path(), ec);
    }
}

int deleteTftpFiles(const std::string& dir)
{
    int removed = 0;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code fileEc;
        if (!it->is_regular_file(fileEc) || !startsWithNoCase(it->path().filename().string(), "tftp"))
            continue;
        if (fs::remove(it->path(), fileEc))
            ++removed;
    }
    return removed;
}

}  // namespace q7
