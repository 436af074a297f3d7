#include "player.h"

#include "core/base/ascii.h"
#include "core/base/codepage.h"
#include "core/base/inistore.h"
#include "core/config/configfile.h"
#include "core/lists/listfiles.h"
#include "tftp.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <optional>
#include <random>
#include <span>
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
constexpr size_t kMaxSegments = 5;
// The most the player reads of a list, command or configuration file.
constexpr size_t kMaxListBytes = size_t(16) << 20;
// A folder, opened only when the name is a folder itself and not a link to one.
constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
// A file to read: not through a link, and O_NONBLOCK so that a FIFO cannot block the player.
constexpr int kReadFlags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;

// An action that cannot be done at all, with the error the client gets for it.
struct Blocked {
    Refusal refusal;
};

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

// Why `name` in folder `dir` could not be opened (`error`): a link is an access violation.
Refusal refusalFor(int dir, const std::string& name, int error)
{
    struct stat st {};
    if (::fstatat(dir, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode))
        return refuse(kAccessViolation, "a link inside the folder: " + name);
    return refuse(error == ENOENT || error == ENOTDIR ? kFileNotFound : kAccessViolation, std::strerror(error));
}

// The folder `parts` below `dir`, opened one component at a time without following a link; with
// `create`, missing folders are made on the way.
std::variant<Fd, Refusal> openFolder(int dir, std::span<const std::string> parts, bool create)
{
    Fd current(::fcntl(dir, F_DUPFD_CLOEXEC, 0));
    if (!current)
        return refuse(kAccessViolation, std::strerror(errno));
    for (const std::string& part : parts) {
        int next = ::openat(current.get(), part.c_str(), kFolderFlags);
        if (next < 0 && errno == ENOENT && create &&
            (::mkdirat(current.get(), part.c_str(), 0755) == 0 || errno == EEXIST))
            next = ::openat(current.get(), part.c_str(), kFolderFlags);
        if (next < 0)
            return refusalFor(current.get(), part, errno);
        current = Fd(next);
    }
    return current;
}

std::string randomName()
{
    static std::mt19937_64 generator(std::random_device{}());
    char text[32];
    std::snprintf(text, sizeof text, "%s%012llx", kTempPrefix,
                  static_cast<unsigned long long>(generator() & 0xFFFFFFFFFFFFull));
    return text;
}

// A new hidden file in `dir` with its name in *name: O_EXCL, so never an existing file or a link.
Fd createTemporary(int dir, std::string* name)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        *name = randomName();
        Fd fd(::openat(dir, name->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (fd) {
            ::fchmod(fd.get(), 0644);
            return fd;
        }
        if (errno != EEXIST)
            break;
    }
    return Fd();
}

// Regular file `name` of folder `dir`, read without following a link: empty when there is none;
// at most `limit` bytes. With `size` (set to the file's size) a larger file gives its first
// `limit` bytes; without, it is refused. A link or anything but a file is refused.
std::optional<std::string> readAt(int dir, const std::string& name, size_t limit = kMaxListBytes,
                                  uint64_t* size = nullptr)
{
    const Fd fd(::openat(dir, name.c_str(), kReadFlags));
    if (!fd && errno == ENOENT)
        return std::nullopt;
    if (!fd)
        throw Blocked{refusalFor(dir, name, errno)};
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        throw Blocked{refuse(kAccessViolation, name + " is not a file")};
    if (size)
        *size = uint64_t(st.st_size);
    else if (uint64_t(st.st_size) > limit)
        throw Blocked{{kDiskFull, "Disk full or allocation exceeded",
                       name + " is larger than " + std::to_string(limit) + " bytes"}};
    std::string bytes(size_t(std::min<uint64_t>(uint64_t(st.st_size), limit)), '\0');
    size_t have = 0;
    while (have < bytes.size()) {
        const ssize_t n = ::read(fd.get(), bytes.data() + have, bytes.size() - have);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw Blocked{{kNotDefined, "Read error", name + ": " + std::strerror(errno)}};
        if (n == 0)
            break;
        have += size_t(n);
    }
    bytes.resize(have);
    return bytes;
}

// Puts `bytes` in place as `name` in folder `dir` through a temporary file and a rename: a reader
// never sees half a file, and a link at the name is replaced, never written through.
bool writeAt(int dir, const std::string& name, std::string_view bytes)
{
    std::string temporary;
    Fd fd = createTemporary(dir, &temporary);
    if (!fd)
        return false;
    const bool written = writeAll(fd.get(), bytes);
    if (::close(fd.release()) == 0 && written && ::renameat(dir, temporary.c_str(), dir, name.c_str()) == 0)
        return true;
    ::unlinkat(dir, temporary.c_str(), 0);
    return false;
}

// The names in folder `dir`, sorted.
std::vector<std::string> entriesOf(int dir)
{
    std::vector<std::string> names;
    const int fd = ::openat(dir, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);  // its own read position
    DIR* folder = fd >= 0 ? ::fdopendir(fd) : nullptr;
    if (!folder) {
        if (fd >= 0)
            ::close(fd);
        return names;
    }
    while (const dirent* entry = ::readdir(folder)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..")
            names.emplace_back(name);
    }
    ::closedir(folder);
    std::sort(names.begin(), names.end());
    return names;
}

// Removes what folder `dir` holds, descending into folders; a link is removed, never followed.
void removeContents(int dir)
{
    for (const std::string& name : entriesOf(dir)) {
        struct stat st {};
        if (::fstatat(dir, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISDIR(st.st_mode)) {
            if (const Fd folder(::openat(dir, name.c_str(), kFolderFlags)); folder)
                removeContents(folder.get());
            ::unlinkat(dir, name.c_str(), AT_REMOVEDIR);
        } else {
            ::unlinkat(dir, name.c_str(), 0);
        }
    }
}

// A list entry ("/music/004.mp3") on the disk: its folder, reached without following a link
// (made on the way with `create`), and its name there; empty when the entry leaves the disk.
std::optional<std::pair<Fd, std::string>> entryOnDisk(int disk, std::string_view entry, bool create)
{
    if (!entry.starts_with('/'))
        return std::nullopt;
    const auto parts = plainParts(entry.substr(1));
    if (!parts)
        return std::nullopt;
    auto folder = openFolder(disk, std::span(*parts).first(parts->size() - 1), create);
    if (!std::holds_alternative<Fd>(folder))
        return std::nullopt;
    return std::pair(std::get<Fd>(std::move(folder)), parts->back());
}

std::string timeText(time_t when)
{
    char text[32];
    struct tm parts {};
    ::localtime_r(&when, &parts);
    std::strftime(text, sizeof text, "%b %e %H:%M", &parts);
    return text;
}

void listFolder(int dir, const std::string& header, std::string& out, int& files)
{
    out += header + ":\n";
    long long blocks = 0;
    std::string lines;
    std::vector<std::string> subfolders;
    for (const std::string& name : entriesOf(dir)) {
        struct stat st {};
        if (::fstatat(dir, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        const char* mode = S_ISDIR(st.st_mode) ? "drwxr-xr-x" : S_ISLNK(st.st_mode) ? "lrwxrwxrwx" : "-rwxr-xr-x";
        char line[128];
        std::snprintf(line, sizeof line, "%s %4d root     root     %10lld %s ", mode, int(st.st_nlink),
                      static_cast<long long>(st.st_size), timeText(st.st_mtime).c_str());
        lines += line + name + "\n";
        blocks += (st.st_blocks + 1) / 2;
        if (S_ISDIR(st.st_mode))
            subfolders.push_back(name);
        else if (S_ISREG(st.st_mode))
            ++files;
    }
    out += "total " + std::to_string(blocks) + "\n" + lines;
    for (const std::string& name : subfolders) {
        out += "\n";
        const Fd folder(::openat(dir, name.c_str(), kFolderFlags));  // a link put there meanwhile is not followed
        listFolder(folder.get(), header + "/" + name, out, files);
    }
}

}  // namespace

void Fd::reset()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        bytes.remove_prefix(size_t(n));
    }
    return true;
}

std::string diskListing(int disk, int* files)
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

Player::Player(std::string address, std::string folder) : m_address(std::move(address)), m_folder(std::move(folder)) {}

Player::~Player() = default;

void Player::prepare()
{
    std::error_code ec;
    fs::create_directories(m_folder, ec);
    if (ec)
        throw std::runtime_error("cannot create " + m_folder + ": " + ec.message());
    m_root = Fd(::open(m_folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!m_root)
        throw std::runtime_error("cannot open " + m_folder + ": " + std::strerror(errno));
    if (::mkdirat(m_root.get(), "HDD", 0755) != 0 && errno != EEXIST)
        throw std::runtime_error("cannot create " + m_folder + "/HDD: " + std::strerror(errno));
    try {
        auto config = readAt(m_root.get(), "config.conf");
        if (!config) {
            writeDefaultConfig();
            config = readAt(m_root.get(), "config.conf");
        }
        adopt(PlayerConfig::parse(config.value_or("")));
    } catch (const Blocked& blocked) {
        throw std::runtime_error("cannot read " + m_folder + "/config.conf: " + blocked.refusal.why);
    }
}

// The tool's defaults, written by the tool's own writer into a fresh private folder of the
// player's folder (no link can be there) and moved in place from there.
void Player::writeDefaultConfig()
{
    const std::string scratchName = randomName();
    if (::mkdirat(m_root.get(), scratchName.c_str(), 0700) != 0)
        throw std::runtime_error("cannot create a folder in " + m_folder + ": " + std::strerror(errno));
    std::string error;
    if (const Fd scratch(::openat(m_root.get(), scratchName.c_str(), kFolderFlags)); !scratch) {
        error = std::strerror(errno);
    } else {
        try {
            q7::IniStore store;
            q7::config::FieldValues defaults = q7::config::defaultFieldValues();
            q7::config::saveConfigFile(store, m_folder + "/" + scratchName + "/config.conf", defaults,
                                       q7::CodePage(1252));  // the defaults are ASCII
            if (::renameat(scratch.get(), "config.conf", m_root.get(), "config.conf") != 0)
                error = std::strerror(errno);
        } catch (const q7::IniError& e) {
            error = e.what();
        }
        removeContents(scratch.get());
    }
    ::unlinkat(m_root.get(), scratchName.c_str(), AT_REMOVEDIR);
    if (!error.empty())
        throw std::runtime_error("cannot write " + m_folder + "/config.conf: " + error);
}

void Player::protect(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        m_protected.emplace_back(st.st_dev, st.st_ino);
}

void Player::adopt(const PlayerConfig& config)
{
    m_config = config;
    if (m_config.value("MISC3", "[Version]").empty())
        m_config.set("MISC3", "[Version]", kFirmwareVersion);
}

std::variant<std::vector<std::string>, Refusal> Player::pathOf(std::string_view name) const
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
    auto parts = plainParts(relative);
    if (!parts)
        return refuse(kAccessViolation, "name leads outside the folder");
    return *std::move(parts);
}

std::variant<int, Refusal> Player::openForRead(std::string_view name) const
{
    const auto path = pathOf(name);
    if (const auto* refusal = std::get_if<Refusal>(&path))
        return *refusal;
    const auto& parts = std::get<std::vector<std::string>>(path);
    const auto folder = openFolder(m_root.get(), std::span(parts).first(parts.size() - 1), false);
    if (const auto* refusal = std::get_if<Refusal>(&folder))
        return *refusal;
    const int dir = std::get<Fd>(folder).get();
    Fd fd(::openat(dir, parts.back().c_str(), kReadFlags));
    if (!fd)
        return refusalFor(dir, parts.back(), errno);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return refuse(kAccessViolation, "not a file");
    return fd.release();
}

std::variant<WriteTarget, Refusal> Player::beginWrite(std::string_view name) const
{
    const auto path = pathOf(name);
    if (const auto* refusal = std::get_if<Refusal>(&path))
        return *refusal;
    const auto& parts = std::get<std::vector<std::string>>(path);
    auto folder = openFolder(m_root.get(), std::span(parts).first(parts.size() - 1), false);
    if (const auto* refusal = std::get_if<Refusal>(&folder))
        return *refusal;
    WriteTarget target;
    target.folder = std::get<Fd>(std::move(folder));
    target.leaf = parts.back();
    for (const std::string& part : parts)
        target.key += "/" + part;
    struct stat st {};
    if (::fstatat(target.folder.get(), target.leaf.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
        if (!S_ISREG(st.st_mode))
            return refuse(kAccessViolation, S_ISLNK(st.st_mode) ? "the name is a link" : "not a file");
        if (std::find(m_protected.begin(), m_protected.end(), std::pair(st.st_dev, st.st_ino)) != m_protected.end())
            return refuse(kAccessViolation, "the player's own journal");
    }
    Fd file = createTemporary(target.folder.get(), &target.temporary);
    if (!file) {
        const bool full = errno == ENOSPC || errno == EDQUOT;
        return Refusal{full ? kDiskFull : kAccessViolation,
                       full ? "Disk full or allocation exceeded" : "Access violation", std::strerror(errno)};
    }
    target.fd = file.release();
    return target;
}

void Player::abortWrite(WriteTarget& target) const
{
    if (target.fd >= 0)
        ::close(target.fd);
    target.fd = -1;
    if (target.folder)
        ::unlinkat(target.folder.get(), target.temporary.c_str(), 0);
    target.folder.reset();
}

std::variant<std::string, Refusal> Player::commitWrite(WriteTarget& target)
{
    const Fd folder = std::move(target.folder);
    const int dir = folder.get();
    const int closed = ::close(target.fd);
    target.fd = -1;
    if (closed != 0) {
        const int error = errno;
        ::unlinkat(dir, target.temporary.c_str(), 0);
        return Refusal{kDiskFull, "Disk full or allocation exceeded", std::strerror(error)};
    }
    // Renames never follow a link: a link at either name is moved or replaced, not its target.
    std::string previous;
    struct stat st {};
    if (target.key == "/message.txt" && ::fstatat(dir, "message.txt", &st, AT_SYMLINK_NOFOLLOW) == 0 &&
        ::renameat(dir, "message.txt", dir, "message_old.txt") == 0)
        previous = "; the previous one is message_old.txt";
    if (::renameat(dir, target.temporary.c_str(), dir, target.leaf.c_str()) != 0) {
        const int error = errno;
        ::unlinkat(dir, target.temporary.c_str(), 0);
        return refuse(kAccessViolation, std::strerror(error));
    }
    if (target.key == "/message.txt")
        return "shows the new text message" + previous;
    try {
        return act(target.key);
    } catch (const Blocked& blocked) {
        return blocked.refusal;
    }
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

// The disk, never through a link; an action that needs it is refused when it is one.
Fd Player::openDisk() const
{
    static const std::vector<std::string> disk{"HDD"};
    auto folder = openFolder(m_root.get(), disk, true);
    if (auto* refusal = std::get_if<Refusal>(&folder))
        throw Blocked{std::move(*refusal)};
    return std::get<Fd>(std::move(folder));
}

std::optional<std::string> Player::readList(std::string_view file) const { return readAt(m_root.get(), std::string(file)); }

std::string Player::getFiles()
{
    const Fd disk = openDisk();
    int files = 0;
    const std::string listing = diskListing(disk.get(), &files);
    if (!writeAt(m_root.get(), "Q7files", listing))
        return "could not write Q7files";
    return "listed " + std::to_string(files) + (files == 1 ? " file" : " files") + " in Q7files";
}

std::string Player::saveConfig()
{
    return writeAt(m_root.get(), "config.conf", m_config.bytes()) ? "saved its settings to config.conf"
                                                                  : "could not write config.conf";
}

std::string Player::restoreConfig()
{
    const auto bytes = readList("config.conf.put");
    if (!bytes)
        return "no config.conf.put to restore";
    const PlayerConfig config = PlayerConfig::parse(*bytes);
    if (config.empty())
        return "config.conf.put holds no settings; kept the current ones";
    if (!writeAt(m_root.get(), "config.conf", *bytes))
        return "could not write config.conf";
    adopt(config);
    return "adopted config.conf.put as its configuration";
}

std::string Player::deleteFiles()
{
    const auto list = readList("delete.lst");
    if (!list)
        return "no delete.lst";
    const Fd disk = openDisk();
    int listed = 0, deleted = 0;
    for (const std::string& line : splitLines(*list)) {
        if (trimmed(line).empty())
            continue;
        ++listed;
        // A play-list line may carry a delay after the path ("/002.jpg  10").
        for (const std::string& entry : {line, line.substr(0, line.find(' '))}) {
            const auto place = entryOnDisk(disk.get(), entry, false);
            struct stat st {};
            if (place && ::fstatat(place->first.get(), place->second.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
                !S_ISDIR(st.st_mode) && ::unlinkat(place->first.get(), place->second.c_str(), 0) == 0) {
                ++deleted;
                break;
            }
        }
    }
    return "deleted " + std::to_string(deleted) + " of " + std::to_string(listed) + " listed files";
}

std::string Player::eraseDisk()
{
    const Fd disk = openDisk();
    int files = 0;
    diskListing(disk.get(), &files);
    removeContents(disk.get());  // removes links themselves, never what they point at
    return "erased the disk (" + std::to_string(files) + " files)";
}

std::string Player::download()
{
    const auto list = readList("down.lst");
    if (!list)
        return "no down.lst";
    const Fd disk = openDisk();
    int listed = 0, stored = 0;
    for (const std::string& line : splitLines(*list)) {
        const std::string text = trimmed(line);
        const size_t blank = text.find_last_of(' ');
        if (text.empty() || blank == std::string::npos)
            continue;
        ++listed;
        // Nothing is fetched: the file appears with a note of where it would have come from.
        const auto place = entryOnDisk(disk.get(), text.substr(blank + 1), true);
        struct stat st {};
        if (!place || (::fstatat(place->first.get(), place->second.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
                       !S_ISREG(st.st_mode)))
            continue;
        if (writeAt(place->first.get(), place->second, "downloaded from " + trimmed(text.substr(0, blank)) + "\n"))
            ++stored;
    }
    return "downloaded " + std::to_string(stored) + " of " + std::to_string(listed) +
           " listed files (simulated, nothing fetched)";
}

std::string Player::upload()
{
    const auto list = readList("upload.lst");
    if (!list)
        return "no upload.lst";
    const Fd disk = openDisk();
    int listed = 0, present = 0;
    for (const std::string& line : splitLines(*list)) {
        const std::string text = trimmed(line);
        if (text.empty())
            continue;
        ++listed;
        const auto place = entryOnDisk(disk.get(), text.substr(0, text.find(' ')), false);
        struct stat st {};
        present += place && ::fstatat(place->first.get(), place->second.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
                           S_ISREG(st.st_mode)
                       ? 1
                       : 0;
    }
    return "would upload " + std::to_string(present) + " of " + std::to_string(listed) +
           " listed files (nothing sent)";
}

std::string Player::reboot()
{
    ++m_reboots;
    adopt(PlayerConfig::parse(readList("config.conf").value_or("")));
    return "rebooted (" + std::to_string(m_reboots) + "), settings read back from config.conf";
}

std::string Player::refreshContent()
{
    const Fd disk = openDisk();
    int files = 0;
    diskListing(disk.get(), &files);
    return "refreshed its content: " + std::to_string(files) + " media files";
}

std::string Player::multiCommand()
{
    const std::string command = trimmed(readList("multicmd.txt").value_or(""));
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
    const std::string word = trimmed(readList("playmode.txt").value_or(""));
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
    uint64_t size = 0;
    const std::string bytes = readAt(m_root.get(), "message.target", kMaxSegments * kSegmentBytes, &size).value_or("");
    size = std::max<uint64_t>(size, bytes.size());
    const size_t segments = bytes.size() / kSegmentBytes;
    if (bytes.size() != size || bytes.empty() || bytes.size() % kSegmentBytes != 0 || segments > kMaxSegments)
        return "rejected the scrolling bitmap: " + std::to_string(size) + " bytes are not 1 to 5 segments";
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
    for (const std::string& line : splitLines(readList(file).value_or("")))
        lines += trimmed(line).empty() ? 0 : 1;
    return std::string(file) + " stored (" + std::to_string(lines) + " entries)";
}

}  // namespace q7sim
