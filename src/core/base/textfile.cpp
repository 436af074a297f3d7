#include "core/base/textfile.h"

#include "core/base/ascii.h"
#include "core/base/translatable.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace q7 {
namespace {

//: %1 is a file's path, %2 says why (a reason of the system, or "it is a folder" and the like).
constexpr const char* kCannotOpen = Q7_TRANSLATABLE("Problems", "Cannot open file \"%1\": %2");
constexpr const char* kCannotRead = Q7_TRANSLATABLE("Problems", "Cannot read file \"%1\": %2");
constexpr const char* kCannotWrite = Q7_TRANSLATABLE("Problems", "Cannot write file \"%1\": %2");
constexpr const char* kCannotCreate = Q7_TRANSLATABLE("Problems", "Cannot create file \"%1\": %2");
constexpr const char* kCannotDelete = Q7_TRANSLATABLE("Problems", "Cannot delete file \"%1\": %2");

// `pattern` names the path in %1 and why in %2.
FileError quoted(const char* pattern, const std::string& path, Phrase why)
{
    return FileError(Phrase::problem(pattern, {Phrase::plain(path), std::move(why)}));
}

FileError ioError(const char* pattern, const std::string& path, int err)
{
    return quoted(pattern, path, Phrase::plain(std::strerror(err)));
}

FileError tooLarge(const std::string& path, std::size_t maxBytes)
{
    Phrase size =
        maxBytes % (1 << 20) == 0
            ? Phrase::problem(Q7_TRANSLATABLE("Problems", "%1 MB"), {Phrase::plain(std::to_string(maxBytes >> 20))})
            : Phrase::problem(Q7_TRANSLATABLE("Problems", "%1 bytes"), {Phrase::plain(std::to_string(maxBytes))});
    return quoted(kCannotRead, path,
                  Phrase::problem(Q7_TRANSLATABLE("Problems", "it is larger than %1"), {std::move(size)}));
}

// Only a regular file of bounded size is ever opened for reading: a FIFO would block, a device
// such as /dev/zero would never end.
void requireReadable(const std::string& path, const struct stat& st, std::size_t maxBytes)
{
    if (S_ISDIR(st.st_mode))
        throw quoted(kCannotOpen, path, Phrase::problem(Q7_TRANSLATABLE("Problems", "it is a folder")));
    if (S_ISFIFO(st.st_mode))
        throw quoted(kCannotOpen, path,
                     Phrase::problem(Q7_TRANSLATABLE("Problems", "it is a named pipe, not a regular file")));
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        throw quoted(kCannotOpen, path,
                     Phrase::problem(Q7_TRANSLATABLE("Problems", "it is a device, not a regular file")));
    if (!S_ISREG(st.st_mode))
        throw quoted(kCannotOpen, path, Phrase::problem(Q7_TRANSLATABLE("Problems", "it is not a regular file")));
    if (std::size_t(st.st_size) > maxBytes)
        throw tooLarge(path, maxBytes);
}

// 0 when every byte went out, else the error.
int writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        bytes.remove_prefix(size_t(n));
    }
    return 0;
}

// Where the new content must go: the target of a link to a regular file, else the entry itself.
// `old` receives the regular file being replaced, if there is one.
std::string replacedPath(const std::string& path, struct stat& old, bool& hadFile)
{
    struct stat entry {};
    hadFile = false;
    if (::lstat(path.c_str(), &entry) != 0)
        return path;
    if (!S_ISLNK(entry.st_mode)) {
        old = entry;
        hadFile = S_ISREG(entry.st_mode);
        return path;
    }
    if (::stat(path.c_str(), &old) != 0 || !S_ISREG(old.st_mode))
        return path;  // a link to nothing, a folder or a device: the link itself is replaced
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real)
        return path;
    std::string target(real);
    std::free(real);
    hadFile = true;
    return target;
}

void syncFolderOf(const std::string& path)
{
    const fs::path parent = fs::path(path).parent_path();
    const int fd = ::open(parent.empty() ? "." : parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

std::string readTextFile(const std::string& path, std::size_t maxBytes)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        throw ioError(kCannotOpen, path, errno);
    requireReadable(path, st, maxBytes);
    // Non-blocking, in case the entry was swapped for a FIFO since it was looked at.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        throw ioError(kCannotOpen, path, errno);
    std::string bytes;
    int err = ::fstat(fd, &st) != 0 ? errno : 0;
    try {
        if (!err)
            requireReadable(path, st, maxBytes);
        bytes.reserve(size_t(st.st_size));
        char buffer[1 << 16];
        while (!err) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                err = errno;
            if (n <= 0)
                break;
            if (bytes.size() + size_t(n) > maxBytes)  // grew while being read
                throw tooLarge(path, maxBytes);
            bytes.append(buffer, size_t(n));
        }
    } catch (const FileError&) {
        ::close(fd);
        throw;
    }
    ::close(fd);
    if (err)
        throw ioError(kCannotRead, path, err);
    return bytes;
}

std::vector<std::string> splitLines(std::string_view bytes)
{
    if (auto eof = bytes.find('\x1a'); eof != std::string_view::npos)
        bytes = bytes.substr(0, eof);
    std::vector<std::string> lines;
    std::string line;
    bool open = false;
    for (char c : bytes) {
        if (c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
            open = false;
        } else {
            open = true;
            if (c != '\r')
                line.push_back(c);
        }
    }
    if (open)
        lines.push_back(std::move(line));
    return lines;
}

std::string asOneLine(std::string value)
{
    for (char& c : value)
        if (c == '\r' || c == '\n' || c == '\x1a')
            c = ' ';
    return value;
}

namespace {

// The process's umask, read without changing it (umask() itself would, for other threads too).
mode_t processUmask()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.starts_with("Umask:"))
            return mode_t(std::stoul(line.substr(6), nullptr, 8));
    return 022;
}

}  // namespace

void replaceTextFile(const std::string& path, std::string_view bytes, const ReplaceOptions& options)
{
    struct stat old {};
    bool hadFile = false;
    const std::string target = replacedPath(path, old, hadFile);
    if (hadFile && options.refuseReadOnly && ::access(target.c_str(), W_OK) != 0)
        throw ioError(kCannotWrite, path, errno);

    // A name of its own, so that two writers of the same file (two windows closed at once) never
    // write into each other's temporary.
    std::string temporary = target + ".tmp-XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        throw ioError(kCannotCreate, target + ".tmp", errno);
    int err = writeAll(fd, bytes);
    if (!err && hadFile) {
        // The same owner where we may give it (root may), and the same permission bits.
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
            [[maybe_unused]] const int ignored = ::fchown(fd, old.st_uid, old.st_gid);
        }
        if (::fchmod(fd, old.st_mode & 0777) != 0)
            err = errno;
    } else if (!err && ::fchmod(fd, 0666 & ~processUmask()) != 0) {
        err = errno;  // a new file gets what an ordinary create would give it, not mkstemp's 0600
    }
    if (!err && options.sync && ::fsync(fd) != 0)
        err = errno;
    if (::close(fd) != 0 && !err)
        err = errno;
    if (!err && ::rename(temporary.c_str(), target.c_str()) != 0)
        err = errno;
    if (err) {
        ::unlink(temporary.c_str());
        throw ioError(kCannotWrite, path, err);
    }
    if (options.sync)
        syncFolderOf(target);
}

void removeWorkingFile(const std::string& path)
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0)
        return;
    if (S_ISDIR(st.st_mode))
        throw quoted(Q7_TRANSLATABLE("Problems", "Cannot use file \"%1\": %2"), path,
                     Phrase::problem(Q7_TRANSLATABLE("Problems", "a folder is in the way")));
    if (::unlink(path.c_str()) != 0 && errno != ENOENT)
        throw ioError(kCannotDelete, path, errno);
}

void writeWorkingFile(const std::string& path, std::string_view bytes)
{
    removeWorkingFile(path);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        throw ioError(kCannotCreate, path, errno);
    int err = writeAll(fd, bytes);
    if (::close(fd) != 0 && !err)
        err = errno;
    if (err) {
        ::unlink(path.c_str());
        throw ioError(kCannotWrite, path, err);
    }
}

void createFileIfMissing(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0)
        ::close(fd);
    else if (errno != EEXIST)
        throw ioError(kCannotCreate, path, errno);
}

std::string resolveCaseInsensitive(const std::string& path)
{
    std::error_code ec;
    if (fs::exists(fs::symlink_status(path, ec)))
        return path;
    const fs::path p(path);
    const fs::path dir = p.has_parent_path() ? p.parent_path() : fs::path(".");
    const std::string name = p.filename().string();
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string candidate = it->path().filename().string();
        if (equalIgnoringAsciiCase(candidate, name))
            return p.has_parent_path() ? (dir / candidate).string() : candidate;
    }
    return path;
}

}  // namespace q7
