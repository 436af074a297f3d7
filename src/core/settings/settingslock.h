#pragma once
// The advisory lock beside the settings file. The window holds it for as long as it runs, since it
// rebuilds the settings file at shut-down from what it read at start-up; the command-line tool
// takes it only while it changes the file, and refuses to change it while the window holds it. So
// neither loses the other's changes.

#include <chrono>
#include <string>

namespace q7 {

// In the folder of the settings file; hidden, and left in place (removing it would race).
inline constexpr const char* kSettingsLockName = ".Q7_Configuration_V3.ini.lock";

class SettingsLock {
public:
    SettingsLock() = default;
    ~SettingsLock();
    SettingsLock(SettingsLock&& other) noexcept;
    SettingsLock& operator=(SettingsLock&& other) noexcept;
    SettingsLock(const SettingsLock&) = delete;
    SettingsLock& operator=(const SettingsLock&) = delete;

    // The lock of `dir`, waiting at most `patience` while another process holds it. An unheld lock
    // when it stays taken (`why` says so) or the lock file cannot be made (`why` gives the reason).
    static SettingsLock acquire(const std::string& dir, std::chrono::milliseconds patience, std::string* why = nullptr);
    bool held() const { return m_fd >= 0; }
    // Unheld because another process held the lock all the while (not because of a failure).
    bool heldElsewhere() const { return m_heldElsewhere; }
    void release();

private:
    explicit SettingsLock(int fd, bool heldElsewhere = false) : m_fd(fd), m_heldElsewhere(heldElsewhere) {}
    int m_fd = -1;
    bool m_heldElsewhere = false;
};

}  // namespace q7
