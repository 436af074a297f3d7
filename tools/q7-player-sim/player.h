#pragma once
// One simulated Q7 player: its folder (the TFTP root), its disk FOLDER/HDD, its configuration
// FOLDER/config.conf, and what it does when a file arrives under one of the reserved names.
// Every name a client sends is checked before anything is opened: nothing outside the folder is
// ever read or written.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace q7sim {

struct Refusal {
    uint16_t code;
    std::string message;  // the error packet's text
    std::string why;      // for the journal
};

// A write in progress: the data goes to a hidden temporary file beside the target, which takes
// the target's place only when the transfer has completed.
struct WriteTarget {
    int fd = -1;
    std::string tempPath;
    std::string target;
    std::string key;  // the name as "/NAME", for the reserved names
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
    // FOLDER/rel for a name that stays inside the folder: "/NAME" or "NAME", "/" separated, no
    // empty, "." or ".." parts, no control characters, at most 255 bytes.
    std::variant<std::string, Refusal> pathOf(std::string_view name) const;
    bool inside(const std::string& resolved) const;
    std::string act(const std::string& key);
    void adopt(const PlayerConfig& config);
    std::string diskPath(std::string_view entry) const;

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
    std::string m_root;  // the folder with every link resolved
    std::string m_disk;
    std::vector<std::string> m_protected;
    PlayerConfig m_config;
    int m_reboots = 0;
};

// The player's disk as `ls -lR /tmp/ccc/HDD` on the player shows it: a header per folder, then a
// long-format line per entry (files as "-rwxr-xr-x"), folders in name order.
std::string diskListing(const std::string& disk, int* files = nullptr);

}  // namespace q7sim
