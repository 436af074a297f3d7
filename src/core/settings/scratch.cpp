#include "core/settings/scratch.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace q7 {

std::string defaultScratchDir()
{
    std::error_code ec;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime && fs::is_directory(runtime, ec))
        return std::string(runtime) + "/q7-config-tool";
    std::string cache;
    if (const char* xdg = std::getenv("XDG_CACHE_HOME"); xdg && xdg[0] == '/')
        cache = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        cache = std::string(home) + "/.cache";
    else
        cache = "/.cache";
    return cache + "/q7-config-tool/Temp";
}

bool prepareScratch(const std::string& dir, std::string* error)
{
    auto fail = [&](const std::string& why) {
        if (error)
            *error = why;
        return false;
    };
    std::error_code ec;
    const fs::path path(dir);
    if (path.has_parent_path())
        fs::create_directories(path.parent_path(), ec);
    if (::mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST)
        return fail("Cannot create folder \"" + dir + "\": " + std::strerror(errno));

    struct stat st {};
    if (::lstat(dir.c_str(), &st) != 0)
        return fail("Cannot open folder \"" + dir + "\": " + std::strerror(errno));
    if (!S_ISDIR(st.st_mode) || st.st_uid != ::geteuid())
        return fail("\"" + dir + "\" is not a private folder of this user");
    if ((st.st_mode & 0077) != 0 && ::chmod(dir.c_str(), 0700) != 0)
        return fail("Cannot protect folder \"" + dir + "\": " + std::strerror(errno));

    const std::string file = (path / kNullCommandFile).string();
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return fail("Cannot create file \"" + file + "\": " + std::strerror(errno));
    ::close(fd);
    return true;
}

}  // namespace q7
