#include "gui/platform/process.h"

#include <QFileInfo>
#include <QProcess>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTimer>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace q7 {
namespace {

constexpr qsizetype kMaxOutput = 64 * 1024;  // the client says a line or two; more is noise
constexpr int kLongestReapDelayMs = 100;

// Spawns `program` (looked up on PATH) with standard output and error on `outputFd` and standard
// input from /dev/null, in `workingDir`. Returns 0 or an errno value.
int spawn(const QString& program, const QStringList& arguments, const QString& workingDir, int outputFd, pid_t* pid)
{
    std::vector<QByteArray> texts{program.toLocal8Bit()};
    for (const QString& argument : arguments)
        texts.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& text : texts)
        argv.push_back(text.data());
    argv.push_back(nullptr);
    const QByteArray dir = workingDir.toLocal8Bit();

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, outputFd, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, outputFd, STDERR_FILENO);
    posix_spawn_file_actions_addchdir_np(&actions, dir.constData());
    // The child starts with default signal handling and nothing blocked, whatever the tool set up.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t all, none;
    sigfillset(&all);
    sigemptyset(&none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    const int result = posix_spawnp(pid, argv[0], &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return result;
}

}  // namespace

// Collects one program's output until it closes it, then collects its exit status without
// blocking. Dropping a watch closes the pipe and leaves the program running. A start that failed
// has a watch too, which only reports the failure from the event loop.
class QtProcessStarter::Watch final : public QObject {
public:
    Watch(pid_t pid, int fd, ProcessFinished onFinished, QObject* parent)
        : QObject(parent), m_pid(pid), m_fd(fd), m_onFinished(std::move(onFinished))
    {
        m_notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &Watch::readOutput);
    }
    Watch(int error, ProcessFinished onFinished, QObject* parent)
        : QObject(parent), m_pid(-1), m_fd(-1), m_onFinished(std::move(onFinished))
    {
        QTimer::singleShot(0, this, [this, error] { report(ProcessExit{ProcessExit::How::NotStarted, error, {}}); });
    }
    ~Watch() override
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    // Kills the program and collects it at once; nothing is reported.
    void kill()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            while (::waitpid(m_pid, nullptr, 0) < 0 && errno == EINTR) {
            }
            m_pid = -1;
        }
        m_onFinished = nullptr;
        delete this;
    }

private:
    void report(const ProcessExit& exit)
    {
        const ProcessFinished onFinished = std::move(m_onFinished);
        deleteLater();
        if (onFinished)
            onFinished(exit);
    }

    void readOutput()
    {
        char buffer[4096];
        for (;;) {
            const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
            if (n > 0) {
                m_output.append(buffer, std::min<qsizetype>(n, std::max<qsizetype>(0, kMaxOutput - m_output.size())));
                continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 && errno == EAGAIN)
                return;
            break;  // end of output (or a broken pipe, which ends it too)
        }
        m_notifier->setEnabled(false);
        ::close(m_fd);
        m_fd = -1;
        reap();
    }

    // The program closes its output as it exits; until the kernel has it ready, look again
    // a little later instead of waiting.
    void reap()
    {
        int status = 0;
        const pid_t result = ::waitpid(m_pid, &status, WNOHANG);
        if (result == 0) {
            QTimer::singleShot(m_reapDelayMs, this, &Watch::reap);
            m_reapDelayMs = std::min(m_reapDelayMs * 2, kLongestReapDelayMs);
            return;
        }
        ProcessExit exit;
        exit.output = m_output;
        if (result == m_pid && WIFSIGNALED(status)) {
            exit.how = ProcessExit::How::Signalled;
            exit.code = WTERMSIG(status);
        } else {
            // Reaped by someone else (result < 0) the status is lost; the output still tells.
            exit.how = ProcessExit::How::Exited;
            exit.code = result == m_pid ? WEXITSTATUS(status) : 0;
        }
        m_pid = -1;
        report(exit);
    }

    pid_t m_pid;
    int m_fd;
    ProcessFinished m_onFinished;
    QSocketNotifier* m_notifier = nullptr;
    QByteArray m_output;
    int m_reapDelayMs = 1;
};

QtProcessStarter::QtProcessStarter() : m_watches(std::make_unique<QObject>()) {}

QtProcessStarter::~QtProcessStarter() = default;

bool QtProcessStarter::startDetached(const QString& program, const QStringList& arguments, const QString& workingDir)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(workingDir);
    process.setStandardInputFile(QProcess::nullDevice());
    return process.startDetached();
}

ProcessHandle QtProcessStarter::start(const QString& program, const QStringList& arguments,
                                      const QString& workingDir, ProcessFinished onFinished)
{
    // Watches that have reported are gone; forget their handles.
    std::erase_if(m_byHandle, [](const auto& entry) { return entry.second.isNull(); });
    const ProcessHandle handle = ++m_lastHandle;
    auto watch = [&]() -> Watch* {
        // A missing folder would fail like a missing program (ENOENT); tell the two apart.
        if (!QFileInfo(workingDir).isDir())
            return new Watch(ENOTDIR, std::move(onFinished), m_watches.get());
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0)
            return new Watch(errno, std::move(onFinished), m_watches.get());
        pid_t pid = 0;
        const int error = spawn(program, arguments, workingDir, fds[1], &pid);
        ::close(fds[1]);
        if (error != 0) {
            ::close(fds[0]);
            return new Watch(error, std::move(onFinished), m_watches.get());
        }
        ::fcntl(fds[0], F_SETFL, ::fcntl(fds[0], F_GETFL) | O_NONBLOCK);
        return new Watch(pid, fds[0], std::move(onFinished), m_watches.get());
    }();
    m_byHandle.emplace(handle, watch);
    return handle;
}

void QtProcessStarter::stop(ProcessHandle handle)
{
    const auto found = m_byHandle.find(handle);
    if (found == m_byHandle.end())
        return;
    if (QObject* watch = found->second.data())
        static_cast<Watch*>(watch)->kill();
    m_byHandle.erase(found);
}

// posix_spawnp and QStandardPaths both search PATH for a bare name.
bool QtProcessStarter::programFound(const QString& program) const
{
    return !QStandardPaths::findExecutable(program).isEmpty();
}

}  // namespace q7
