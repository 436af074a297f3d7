#include "core/settings/settingslock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace q7 {

SettingsLock::~SettingsLock() { release(); }

SettingsLock::SettingsLock(SettingsLock&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_heldElsewhere(std::exchange(other.m_heldElsewhere, false))
{
}

SettingsLock& SettingsLock::operator=(SettingsLock&& other) noexcept
{
    if (this != &other) {
        release();
        m_fd = std::exchange(other.m_fd, -1);
        m_heldElsewhere = std::exchange(other.m_heldElsewhere, false);
    }
    return *this;
}

void SettingsLock::release()
{
    if (m_fd >= 0)
        ::close(m_fd);  // closing the only descriptor ends the lock
    m_fd = -1;
}

SettingsLock SettingsLock::acquire(const std::string& dir, std::chrono::milliseconds patience, std::string* why)
{
    const std::string path = (dir.empty() ? std::string(".") : dir) + "/" + kSettingsLockName;
    // Close-on-exec: the window's TFTP clients may outlive it and must not keep its lock.
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) {
        if (why)
            *why = "cannot open the lock file \"" + path + "\": " + std::strerror(errno);
        return {};
    }
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return SettingsLock(fd);
        if (errno != EWOULDBLOCK && errno != EINTR) {
            if (why)
                *why = "cannot lock \"" + path + "\": " + std::strerror(errno);
            break;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            if (why)
                *why = "the settings file is in use by a running Q7 Configuration Tool window (lock \"" + path +
                       "\" is held)";
            ::close(fd);
            return SettingsLock(-1, true);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ::close(fd);
    return {};
}

}  // namespace q7
