#include "player.h"

#include "core/base/ascii.h"
#include "core/base/codepage.h"
#include "core/base/inistore.h"
#include "core/config/configfile.h"
#include "core/lists/listfiles.h"
#include "tftp.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace q7sim {
namespace {

constexpr size_t kMaxNameLength = 255;
constexpr const char* kTempPrefix = ".q7sim-";
constexpr const char* kFirmwareVersion = "Q7-SIM 3.8.9";
constexpr size_t kSegmentBytes = 291654;  // one 1080 x 90 24-bit BMP

std::vector<std::string> splitLines(std::string_view bytes)
{
    std::vector<std::string> lines;
    while (!bytes.empty()) {
        const size_t end = bytes.find('\n');
        std::string line(bytes.substr(0, end));
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        if (end == std::string_view::npos)
            break;
        bytes.remove_prefix(end + 1);
    }
    return lines;
}

std::string trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1));
}

std::optional<std::string> readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Through a temporary file and a rename, so a reader never sees half a file.
bool writeFile(const std::string& path, const std::string& bytes)
{
    const std::string temporary = path + ".q7sim-new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!(out << bytes) || !out.flush())
            return false;
    }
    return ::rename(temporary.c_str(), path.c_str()) == 0;
}

std::optional<std::string> realPath(const std::string& path)
{
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved)
        return std::nullopt;
    std::string result(resolved);
    std::free(resolved);
    return result;
}

// "/a/b" split into its parts when every part is a plain name.
std::optional<std::vector<std::string>> plainParts(std::string_view path)
{
    std::vector<std::string> parts;
    while (true) {
        const size_t end = path.find('/');
        const std::string_view part = path.substr(0, end);
        if (part.empty() || part == "." || part == ".." || part.starts_with(kTempPrefix))
            return std::nullopt;
        parts.emplace_back(part);
        if (end == std::string_view::npos)
            return parts;
        path.remove_prefix(end + 1);
    }
}

Refusal refuse(uint16_t code, std::string why)
{
    return {code, code == kFileNotFound ? "File not found" : "Access violation", std::move(why)};
}

std::string timeText(time_t when)
{
    char text[32];
    struct tm parts {};
    ::localtime_r(&when, &parts);
    std::strftime(text, sizeof text, "%b %e %H:%M", &parts);
    return text;
}

void listFolder(const fs::path& folder, const std::string& header, std::string& out, int& files)
{
    std::vector<fs::directory_entry> entries;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        entries.push_back(entry);
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return a.path().filename() < b.path().filename(); });
    out += header + ":\n";
    long long blocks = 0;
    std::string lines;
    std::vector<std::pair<fs::path, std::string>> subfolders;
    for (const auto& entry : entries) {
        struct stat st {};
        if (::lstat(entry.path().c_str(), &st) != 0)
            continue;
        const std::string name = entry.path().filename().string();
        const char* mode = S_ISDIR(st.st_mode) ? "drwxr-xr-x" : S_ISLNK(st.st_mode) ? "lrwxrwxrwx" : "-rwxr-xr-x";
        char line[128];
        std::snprintf(line, sizeof line, "%s %4d root     root     %10lld %s ", mode, int(st.st_nlink),
                      static_cast<long long>(st.st_size), timeText(st.st_mtime).c_str());
        lines += line + name + "\n";
        blocks += (st.st_blocks + 1) / 2;
        if (S_ISDIR(st.st_mode))
            subfolders.emplace_back(entry.path(), header + "/" + name);
        else if (S_ISREG(st.st_mode))
            ++files;
    }
    out += "total " + std::to_string(blocks) + "\n" + lines;
    for (const auto& [path, subheader] : subfolders) {
        out += "\n";
        listFolder(path, subheader, out, files);
    }
}

}  // namespace

std::string diskListing(const std::string& disk, int* files)
{
    std::string out;
    int count = 0;
    listFolder(disk, "/tmp/ccc/HDD", out, count);
    if (files)
        *files = count;
    return out;
}

PlayerConfig PlayerConfig::parse(std::string_view bytes)
{
    PlayerConfig config;
    for (const std::string& raw : splitLines(bytes)) {
        const std::string line = trimmed(raw);
        const size_t equals = line.find('=');
        if (line.size() > 2 && line.front() == '[' && line.back() == ']' && equals == std::string::npos)
            config.m_sections.push_back({line.substr(1, line.size() - 2), {}});
        else if (equals != std::string::npos && !config.m_sections.empty())
            config.m_sections.back().keys.emplace_back(line.substr(0, equals), line.substr(equals + 1));
    }
    return config;
}

std::string PlayerConfig::value(std::string_view section, std::string_view key) const
{
    for (const Section& s : m_sections)
        if (q7::equalIgnoringAsciiCase(s.name, section))
            for (const auto& [k, v] : s.keys)
                if (q7::equalIgnoringAsciiCase(k, key))
                    return v;
    return {};
}

void PlayerConfig::set(std::string_view section, std::string_view key, std::string_view value)
{
    auto s = std::find_if(m_sections.begin(), m_sections.end(), [&](const Section& candidate) {
        return q7::equalIgnoringAsciiCase(candidate.name, section);
    });
    if (s == m_sections.end())
        s = m_sections.insert(m_sections.end(), Section{std::string(section), {}});
    for (auto& [k, v] : s->keys)
        if (q7::equalIgnoringAsciiCase(k, key)) {
            v = value;
            return;
        }
    s->keys.emplace_back(key, value);
}

std::string PlayerConfig::bytes() const
{
    std::string out;
    for (const Section& s : m_sections) {
        out += "\r\n[" + s.name + "]\r\n";
        for (const auto& [k, v] : s.keys)
            out += k + "=" + v + "\r\n";
    }
    return out;
}

Player::Player(std::string address, std::string folder)
    : m_address(std::move(address)), m_folder(std::move(folder)), m_disk(m_folder + "/HDD")
{
}

void Player::prepare()
{
    std::error_code ec;
    fs::create_directories(m_disk, ec);
    if (ec)
        throw std::runtime_error("cannot create " + m_disk + ": " + ec.message());
    const auto root = realPath(m_folder);
    if (!root)
        throw std::runtime_error("cannot open " + m_folder + ": " + std::strerror(errno));
    m_root = *root;
    const std::string config = m_folder + "/config.conf";
    if (!fs::exists(config)) {
        q7::IniStore store;
        q7::config::FieldValues defaults = q7::config::defaultFieldValues();
        try {
            q7::config::saveConfigFile(store, config, defaults, q7::CodePage(1252));  // the defaults are ASCII
        } catch (const q7::IniError& e) {
            throw std::runtime_error(e.what());
        }
    }
    adopt(PlayerConfig::parse(readFile(config).value_or("")));
}

void Player::protect(const std::string& path)
{
    if (const auto resolved = realPath(path))
        m_protected.push_back(*resolved);
}

void Player::adopt(const PlayerConfig& config)
{
    m_config = config;
    if (m_config.value("MISC3", "[Version]").empty())
        m_config.set("MISC3", "[Version]", kFirmwareVersion);
}

bool Player::inside(const std::string& resolved) const
{
    return resolved.size() > m_root.size() && resolved.starts_with(m_root) && resolved[m_root.size()] == '/';
}

std::variant<std::string, Refusal> Player::pathOf(std::string_view name) const
{
    if (name.size() > kMaxNameLength)
        return refuse(kAccessViolation, "name longer than 255 bytes");
    if (std::any_of(name.begin(), name.end(), [](char c) { return uint8_t(c) < 0x20 || c == 0x7F; }))
        return refuse(kAccessViolation, "control character in the name");
    std::string_view relative = name;
    if (relative.starts_with('/'))
        relative.remove_prefix(1);
    if (relative.starts_with('/'))
        return refuse(kAccessViolation, "absolute path outside the folder");
    if (!plainParts(relative))
        return refuse(kAccessViolation, "name leads outside the folder");
    return std::string(relative);
}

std::variant<int, Refusal> Player::openForRead(std::string_view name) const
{
    auto relative = pathOf(name);
    if (auto* refusal = std::get_if<Refusal>(&relative))
        return *refusal;
    const auto resolved = realPath(m_folder + "/" + std::get<std::string>(relative));
    if (!resolved)
        return refuse(errno == EACCES ? kAccessViolation : kFileNotFound, std::strerror(errno));
    if (!inside(*resolved))
        return refuse(kAccessViolation, "link leads outside the folder");
    const int fd = ::open(resolved->c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return refuse(errno == ENOENT ? kFileNotFound : kAccessViolation, std::strerror(errno));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return refuse(kAccessViolation, "not a file");
    }
    return fd;
}

std::variant<WriteTarget, Refusal> Player::beginWrite(std::string_view name) const
{
    auto relative = pathOf(name);
    if (auto* refusal = std::get_if<Refusal>(&relative))
        return *refusal;
    const std::string& rel = std::get<std::string>(relative);
    const size_t slash = rel.rfind('/');
    const std::string leaf = slash == std::string::npos ? rel : rel.substr(slash + 1);
    const auto parent = realPath(slash == std::string::npos ? m_folder : m_folder + "/" + rel.substr(0, slash));
    if (!parent)
        return refuse(kFileNotFound, "no such folder");
    if (*parent != m_root && !inside(*parent))
        return refuse(kAccessViolation, "link leads outside the folder");
    WriteTarget target;
    target.target = *parent + "/" + leaf;
    target.key = "/" + rel;
    struct stat st {};
    if (::lstat(target.target.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
        return refuse(kAccessViolation, S_ISLNK(st.st_mode) ? "the name is a link" : "not a file");
    if (std::find(m_protected.begin(), m_protected.end(), target.target) != m_protected.end())
        return refuse(kAccessViolation, "the player's own journal");
    target.tempPath = *parent + "/" + kTempPrefix + "XXXXXX";
    target.fd = ::mkostemp(target.tempPath.data(), O_CLOEXEC);
    if (target.fd < 0)
        return Refusal{errno == ENOSPC ? kDiskFull : kAccessViolation,
                       errno == ENOSPC ? "Disk full or allocation exceeded" : "Access violation", std::strerror(errno)};
    ::fchmod(target.fd, 0644);
    return target;
}

void Player::abortWrite(WriteTarget& target) const
{
    if (target.fd >= 0)
        ::close(target.fd);
    target.fd = -1;
    ::unlink(target.tempPath.c_str());
}

std::variant<std::string, Refusal> Player::commitWrite(WriteTarget& target)
{
    const int closed = ::close(target.fd);
    target.fd = -1;
    if (closed != 0) {
        ::unlink(target.tempPath.c_str());
        return Refusal{kDiskFull, "Disk full or allocation exceeded", std::strerror(errno)};
    }
    std::string previous;
    if (target.key == "/message.txt" && fs::exists(target.target)) {
        ::rename(target.target.c_str(), (m_folder + "/message_old.txt").c_str());
        previous = "; the previous one is message_old.txt";
    }
    if (::rename(target.tempPath.c_str(), target.target.c_str()) != 0) {
        ::unlink(target.tempPath.c_str());
        return refuse(kAccessViolation, std::strerror(errno));
    }
    if (target.key == "/message.txt")
        return "shows the new text message" + previous;
    return act(target.key);
}

std::string Player::act(const std::string& key)
{
    using Action = std::string (Player::*)();
    static const std::map<std::string, Action, std::less<>> actions = {
        {"/getfiles", &Player::getFiles},
        {"/saveconfig", &Player::saveConfig},
        {"/restoreconfig", &Player::restoreConfig},
        {"/delfiles", &Player::deleteFiles},
        {"/eraseHDD", &Player::eraseDisk},
        {"/downnow", &Player::download},
        {"/downfromserver", &Player::download},
        {"/upload", &Player::upload},
        {"/reboot", &Player::reboot},
        {"/refreshcontent", &Player::refreshContent},
        {"/multicmd.txt", &Player::multiCommand},
        {"/playmode.txt", &Player::playMode},
        {"/message.target", &Player::checkScrollingBitmap},
    };
    if (const auto it = actions.find(key); it != actions.end())
        return (this->*it->second)();
    if (key == "/osd_on" || key == "/osd_off")
        return setSwitch("MISC3", "[OSD]", key == "/osd_on");
    if (key == "/scrolling_on" || key == "/scrolling_off")
        return setSwitch("MISC3", "[Scrolling Text]", key == "/scrolling_on");
    if (key == "/smbnow")
        return "SMB synchronisation requested (nothing sent)";
    if (key == "/config.conf.put")
        return "configuration stored; /restoreconfig adopts it";
    for (const q7::lists::ListKindInfo& list : q7::lists::kListKinds)
        if (key == "/" + std::string(list.fileName))
            return listStored(list.fileName);
    return {};
}

std::string Player::setSwitch(std::string_view section, std::string_view key, bool on)
{
    m_config.set(section, key, on ? "On" : "Off");
    return std::string(key.substr(1, key.size() - 2)) + (on ? " on" : " off");
}

std::string Player::getFiles()
{
    int files = 0;
    const std::string listing = diskListing(m_disk, &files);
    if (!writeFile(m_folder + "/Q7files", listing))
        return "could not write Q7files";
    return "listed " + std::to_string(files) + " files in Q7files";
}

std::string Player::saveConfig()
{
    return writeFile(m_folder + "/config.conf", m_config.bytes()) ? "saved its settings to config.conf"
                                                                   : "could not write config.conf";
}

std::string Player::restoreConfig()
{
    const auto bytes = readFile(m_folder + "/config.conf.put");
    if (!bytes)
        return "no config.conf.put to restore";
    const PlayerConfig config = PlayerConfig::parse(*bytes);
    if (config.empty())
        return "config.conf.put holds no settings; kept the current ones";
    if (!writeFile(m_folder + "/config.conf", *bytes))
        return "could not write config.conf";
    adopt(config);
    return "adopted config.conf.put as its configuration";
}

// FOLDER/HDD + entry for a list entry ("/music/004.mp3") that stays on the disk; empty otherwise.
std::string Player::diskPath(std::string_view entry) const
{
    if (!entry.starts_with('/') || !plainParts(entry.substr(1)))
        return {};
    const std::string path = m_disk + std::string(entry);
    const auto parent = realPath(path.substr(0, path.rfind('/')));
    const auto disk = realPath(m_disk);
    if (!parent || !disk || (*parent != *disk && !parent->starts_with(*disk + "/")))
        return {};
    return path;
}

std::string Player::deleteFiles()
{
    const auto list = readFile(m_folder + "/delete.lst");
    if (!list)
        return "no delete.lst";
    int listed = 0, deleted = 0;
    for (const std::string& line : splitLines(*list)) {
        if (trimmed(line).empty())
            continue;
        ++listed;
        // A play-list line may carry a delay after the path ("/002.jpg  10").
        for (const std::string& entry : {line, line.substr(0, line.find(' '))}) {
            const std::string path = diskPath(entry);
            struct stat st {};
            if (!path.empty() && ::lstat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode) &&
                ::unlink(path.c_str()) == 0) {
                ++deleted;
                break;
            }
        }
    }
    return "deleted " + std::to_string(deleted) + " of " + std::to_string(listed) + " listed files";
}

std::string Player::eraseDisk()
{
    int files = 0;
    diskListing(m_disk, &files);
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(m_disk, ec))
        fs::remove_all(entry.path(), ec);  // removes links themselves, never what they point at
    return "erased the disk (" + std::to_string(files) + " files)";
}

std::string Player::download()
{
    const auto list = readFile(m_folder + "/down.lst");
    if (!list)
        return "no down.lst";
    int listed = 0, stored = 0;
    for (const std::string& line : splitLines(*list)) {
        const std::string text = trimmed(line);
        const size_t blank = text.find_last_of(' ');
        if (text.empty() || blank == std::string::npos)
            continue;
        ++listed;
        const std::string target = text.substr(blank + 1);
        if (!target.starts_with('/') || !plainParts(target.substr(1)))
            continue;
        // Nothing is fetched: the file appears with a note of where it would have come from.
        std::error_code ec;
        fs::create_directories(fs::path(m_disk + target).parent_path(), ec);
        const std::string path = diskPath(target);
        struct stat st {};
        if (path.empty() || (::lstat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)))
            continue;
        if (writeFile(path, "downloaded from " + trimmed(text.substr(0, blank)) + "\n"))
            ++stored;
    }
    return "downloaded " + std::to_string(stored) + " of " + std::to_string(listed) +
           " listed files (simulated, nothing fetched)";
}

std::string Player::upload()
{
    const auto list = readFile(m_folder + "/upload.lst");
    if (!list)
        return "no upload.lst";
    int listed = 0, present = 0;
    for (const std::string& line : splitLines(*list)) {
        const std::string text = trimmed(line);
        if (text.empty())
            continue;
        ++listed;
        const std::string path = diskPath(text.substr(0, text.find(' ')));
        present += !path.empty() && fs::is_regular_file(path) ? 1 : 0;
    }
    return "would upload " + std::to_string(present) + " of " + std::to_string(listed) +
           " listed files (nothing sent)";
}

std::string Player::reboot()
{
    ++m_reboots;
    adopt(PlayerConfig::parse(readFile(m_folder + "/config.conf").value_or("")));
    return "rebooted (" + std::to_string(m_reboots) + "), settings read back from config.conf";
}

std::string Player::refreshContent()
{
    int files = 0;
    diskListing(m_disk, &files);
    return "refreshed its content: " + std::to_string(files) + " media files";
}

std::string Player::multiCommand()
{
    const std::string command = trimmed(readFile(m_folder + "/multicmd.txt").value_or(""));
    if (command.starts_with("Volume ")) {
        const std::string level = trimmed(command.substr(7));
        if (!level.empty() && level.size() <= 2 && std::all_of(level.begin(), level.end(), ::isdigit) &&
            std::stoi(level) <= 31) {
            m_config.set("MISC3", "[Volume]", level);
            return "volume " + level;
        }
        return "volume out of range: " + level;
    }
    if (command == "MUTE 0")
        return "muted";
    return "unknown command \"" + command + "\"";
}

std::string Player::playMode()
{
    const std::string word = trimmed(readFile(m_folder + "/playmode.txt").value_or(""));
    static const std::map<std::string, std::pair<const char*, const char*>, std::less<>> modes = {
        {"Signle", {"[Play List]", "Single"}}, {"Single", {"[Play List]", "Single"}},
        {"Date", {"[Play List]", "Date"}},     {"Time", {"[Play List]", "Time"}},
        {"DateTime", {"[Play List]", "Date/Time"}}, {"Repeat", {"[Play Mode]", "Repeat"}},
        {"Stop", {"[Play Mode]", "Manual"}},
    };
    const auto it = modes.find(word);
    if (it == modes.end())
        return "unknown play mode \"" + word + "\"";
    const auto& [key, value] = it->second;
    m_config.set(std::string_view(key) == "[Play List]" ? "MISC1" : "MISC2", key, value);
    return std::string(key).substr(1, std::strlen(key) - 2) + " " + value;
}

std::string Player::checkScrollingBitmap()
{
    const std::string bytes = readFile(m_folder + "/message.target").value_or("");
    const size_t segments = bytes.size() / kSegmentBytes;
    if (bytes.empty() || bytes.size() % kSegmentBytes != 0 || segments > 5)
        return "rejected the scrolling bitmap: " + std::to_string(bytes.size()) + " bytes are not 1 to 5 segments";
    auto field = [&](size_t at, int size) {
        uint32_t value = 0;
        for (int i = size - 1; i >= 0; --i)
            value = value << 8 | uint8_t(bytes[at + size_t(i)]);
        return value;
    };
    for (size_t k = 0; k < segments; ++k) {
        const size_t at = k * kSegmentBytes;
        if (bytes.compare(at, 2, "BM") != 0 || field(at + 2, 4) != kSegmentBytes || field(at + 10, 4) != 54 ||
            field(at + 18, 4) != 1080 || field(at + 22, 4) != 90 || field(at + 28, 2) != 24 ||
            field(at + 30, 4) != 0)
            return "rejected the scrolling bitmap: segment " + std::to_string(k) + " is no 1080 x 90 24-bit bitmap";
    }
    return "scrolls a bitmap message of " + std::to_string(segments) + (segments == 1 ? " segment" : " segments");
}

std::string Player::listStored(std::string_view file)
{
    int lines = 0;
    for (const std::string& line : splitLines(readFile(m_folder + "/" + std::string(file)).value_or("")))
        lines += trimmed(line).empty() ? 0 : 1;
    return std::string(file) + " stored (" + std::to_string(lines) + " entries)";
}

}  // namespace q7sim
