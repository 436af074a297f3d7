#pragma once
// One simulated Q7 player: its folder (the TFTP root), its disk FOLDER/HDD, its configuration
// FOLDER/config.conf, and what it does when a file arrives under one of the reserved names.
// Every name a client sends is checked before anything is opened, and everything is opened relative
// to the folder one component at a time without following a link (openat with O_NOFOLLOW): a link
// inside the folder is never followed, so nothing outside the folder is ever read, written,
// created or removed.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <utility>
#include <variant>
#include <vector>

namespace q7sim {

struct Refusal {
    uint16_t code;
    std::string message;  // the error packet's text
    std::string why;      // for the journal
};

// A file descriptor, closed with its owner.
class Fd {
public:
    Fd() = default;
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd() { reset(); }
    Fd(Fd&& other) noexcept : m_fd(other.release()) {}
    Fd& operator=(Fd&& other) noexcept
    {
        if (this != &other) {
            reset();
            m_fd = other.release();
        }
        return *this;
    }
    int get() const { return m_fd; }
    explicit operator bool() const { return m_fd >= 0; }
    int release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }
    void reset();

private:
    int m_fd = -1;
};

// A write in progress: the data goes to a hidden temporary file beside the target, which takes
// the target's place only when the transfer has completed.
struct WriteTarget {
    int fd = -1;            // the temporary file, open for writing
    Fd folder;              // the target's folder, where the two names below are
    std::string temporary;
    std::string leaf;
    std::string key;        // the name as "/NAME", for the reserved names
};

// The player's settings: sections of key lines, in file order.
class PlayerConfig {
public:
    static PlayerConfig parse(std::string_view bytes);
    bool empty() const { return m_sections.empty(); }
    std::string value(std::string_view section, std::string_view key) const;
    void set(std::string_view section, std::string_view key, std::string_view value);
    // The form the tool writes: an empty line before every header, CR LF after every line.
    std::string bytes() const;

private:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> keys;
    };
    std::vector<Section> m_sections;
};

class Player {
public:
    Player(std::string address, std::string folder);
    ~Player();
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // Creates the folder and its disk when missing and writes the default configuration when
    // there is none; then takes the configuration as its settings. Throws std::runtime_error.
    void prepare();

    const std::string& address() const { return m_address; }
    const std::string& folder() const { return m_folder; }
    bool muted = false;
    // A file of the player's folder that clients may read but never replace (its journal).
    void protect(const std::string& path);

    // An open descriptor of the named file, or why the request is refused.
    std::variant<int, Refusal> openForRead(std::string_view name) const;
    std::variant<WriteTarget, Refusal> beginWrite(std::string_view name) const;
    // Puts a completed write in place and does what its name asks of the player; returns a short
    // account of what it did (empty for an ordinary file).
    std::variant<std::string, Refusal> commitWrite(WriteTarget& target);
    void abortWrite(WriteTarget& target) const;

private:
    // The parts of a name that stays inside the folder: "/NAME" or "NAME", "/" separated, no
    // empty, "." or ".." parts, no control characters, at most 255 bytes.
    std::variant<std::vector<std::string>, Refusal> pathOf(std::string_view name) const;
    std::string act(const std::string& key);
    void adopt(const PlayerConfig& config);
    void writeDefaultConfig();
    Fd openDisk() const;
    std::optional<std::string> readList(std::string_view file) const;

    // Reserved names.
    std::string getFiles();
    std::string saveConfig();
    std::string restoreConfig();
    std::string deleteFiles();
    std::string eraseDisk();
    std::string download();
    std::string upload();
    std::string reboot();
    std::string refreshContent();
    std::string multiCommand();
    std::string playMode();
    std::string checkScrollingBitmap();
    std::string listStored(std::string_view file);
    std::string setSwitch(std::string_view section, std::string_view key, bool on);

    std::string m_address;
    std::string m_folder;
    Fd m_root;  // the folder, where every name starts
    std::vector<std::pair<dev_t, ino_t>> m_protected;
    PlayerConfig m_config;
    int m_reboots = 0;
};

// Writes all of `bytes` to `fd`; false with errno set (ENOSPC for a full disk) when it could not.
bool writeAll(int fd, std::string_view bytes);

// The player's disk (an open folder) as `ls -lR /tmp/ccc/HDD` on the player shows it: a header per
// folder, then a long-format line per entry (files as "-rwxr-xr-x", links as "lrwxrwxrwx", never
// followed), folders in name order.
std::string diskListing(int disk, int* files = nullptr);

}  // namespace q7sim
