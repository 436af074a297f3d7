// Put and get of a 1.4 MB message.target (five bitmap segments) on loopback, in seconds per
// transfer (median and fastest of several runs): through the TFTP runner to a test player, as a plain tftp
// command to the same test player, and as a plain tftp command to in.tftpd (tftpd-hpa) serving the
// same file. Targets: the runner adds nothing measurable beyond the client; the test player is no
// slower than in.tftpd.

#include "gui/platform/process.h"
#include "support/programs.h"
#include "support/tempdir.h"
#include "gui/transfer/transferlog.h"
#include "gui/transfer/transferrunner.h"

#include <QApplication>
#include <QProgressBar>
#include <algorithm>
#include <arpa/inet.h>
#include <chrono>
#include <cstdio>
#include <csignal>
#include <filesystem>
#include <functional>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

using Clock = std::chrono::steady_clock;
using namespace q7;
using namespace q7::test;
namespace fs = std::filesystem;

namespace {

constexpr int kRuns = 9;
constexpr size_t kMessageTargetBytes = 1458270;

double seconds(const std::function<void()>& transfer)
{
    const auto begin = Clock::now();
    transfer();
    return std::chrono::duration<double>(Clock::now() - begin).count();
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// A UDP port on 127.0.0.1 that was free a moment ago.
int freePort()
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(fd);
    return ntohs(address.sin_port);
}

// True once something answers a read request on 127.0.0.1:port (from a port of its own, so the
// socket stays unconnected).
bool listening(int port)
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(uint16_t(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    static const char request[] = "\0\1/message.target\0octet";
    bool answered = false;
    for (int attempt = 0; attempt < 50 && !answered; ++attempt) {
        ::sendto(fd, request, sizeof request, 0, reinterpret_cast<sockaddr*>(&address), sizeof address);
        pollfd p{fd, POLLIN, 0};
        answered = ::poll(&p, 1, 200) > 0;
    }
    ::close(fd);
    return answered;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TempDir dir;
    const std::string player = dir.file("player");
    const std::string served = dir.file("tftpd");
    fs::create_directories(served);
    fs::permissions(served, fs::perms::all);  // in.tftpd drops to its own user
    std::string bytes(kMessageTargetBytes, '\0');
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = char((i * 2654435761u) >> 13);
    const std::string local = dir.file("message.target");
    writeBytes(local, bytes);
    writeBytes(served + "/message.target", bytes);
    fs::permissions(served + "/message.target", fs::perms::all);

    PlayerSim sim({"127.0.0.2=" + player}, dir.file("sim.out"));
    writeBytes(player + "/message.target", bytes);
    const std::string simPort = sim.portText();
    qputenv("Q7_TFTP_PORT", QByteArray::fromStdString(simPort));

    // The runner on a bare window: one served row.
    QWidget window;
    QProgressBar bar(&window);
    TransferLog log(&window);
    QtProcessStarter processes;
    TransferRunner runner(processes, &window, &bar, &log);
    runner.setWorkingDir(QString::fromStdString(dir.path()));
    const std::vector<PlayerEntry> entries{{"Q7", "127.0.0.2", true, true}};
    auto throughRunner = [&](const std::function<void()>& call) {
        const int before = log.count();
        call();
        while (log.count() < before + 2)  // the transfer's line and the call's summary
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
        if (!log.item(log.count() - 1)->text().endsWith(QStringLiteral("1 of 1 player done"))) {
            std::fprintf(stderr, "transfer bench: %s\n", qPrintable(log.item(log.count() - 2)->text()));
            std::exit(1);
        }
    };

    // A plain tftp command, started the same way as the runner starts it, so only the runner differs.
    auto tftp = [&](const std::string& host, const std::string& port, bool put) {
        const QStringList arguments =
            put ? QStringList{"-m", "binary", host.c_str(), port.c_str(), "-c", "put", local.c_str(), "/message.target"}
                : QStringList{host.c_str(), port.c_str(), "-c", "get", "/message.target", "got"};
        std::optional<ProcessExit> end;
        processes.start("tftp", arguments, QString::fromStdString(dir.path()),
                        [&](const ProcessExit& exit) { end = exit; });
        while (!end)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
        if (end->how != ProcessExit::How::Exited || end->code != 0 || !end->output.isEmpty()) {
            std::fprintf(stderr, "transfer bench: tftp %s failed: %s\n", put ? "put" : "get", end->output.constData());
            std::exit(1);
        }
    };

    // in.tftpd chroots into its folder, which needs root.
    pid_t tftpd = -1;
    const std::string tftpdPort = std::to_string(freePort());
    std::string tftpdMissing;
    if (::geteuid() != 0) {
        tftpdMissing = "in.tftpd needs root";
    } else {
        std::vector<std::string> args{"/usr/sbin/in.tftpd", "-L", "-a", "127.0.0.1:" + tftpdPort, "-c", "-s", served};
        std::vector<char*> tftpdArgv;
        for (std::string& arg : args)
            tftpdArgv.push_back(arg.data());
        tftpdArgv.push_back(nullptr);
        if (posix_spawn(&tftpd, tftpdArgv[0], nullptr, nullptr, tftpdArgv.data(), environ) != 0)
            tftpdMissing = "in.tftpd not found";
        else if (!listening(std::stoi(tftpdPort)))
            tftpdMissing = "in.tftpd did not start";
    }

    // The variants take turns, so a busy moment of the machine falls on all of them alike.
    struct Variant {
        const char* name;
        std::function<void()> put, get;
        std::vector<double> putTimes, getTimes;
    };
    std::vector<Variant> variants{
        {"runner -> test player",
         [&] { throughRunner([&] { runner.put(entries, QString::fromStdString(local), "/message.target", -1); }); },
         [&] { throughRunner([&] { runner.get(entries, "/message.target", "message.target", -1); }); }, {}, {}},
        {"tftp   -> test player", [&] { tftp("127.0.0.2", simPort, true); }, [&] { tftp("127.0.0.2", simPort, false); },
         {}, {}},
    };
    if (tftpdMissing.empty())
        variants.push_back({"tftp   -> in.tftpd", [&] { tftp("127.0.0.1", tftpdPort, true); },
                            [&] { tftp("127.0.0.1", tftpdPort, false); }, {}, {}});
    for (int run = 0; run < kRuns; ++run)
        for (Variant& variant : variants) {
            variant.putTimes.push_back(seconds(variant.put));
            variant.getTimes.push_back(seconds(variant.get));
        }
    if (tftpd > 0) {
        ::kill(tftpd, SIGTERM);
        ::waitpid(tftpd, nullptr, 0);
    }
    if (readBytes(dir.file("Q7_0_message.target")) != bytes || readBytes(dir.file("got")) != bytes) {
        std::fprintf(stderr, "transfer bench: a get is not byte-exact\n");
        return 1;
    }

    std::printf("transfer of a %zu-byte message.target on loopback, %d runs, seconds per transfer: median (fastest)\n",
                kMessageTargetBytes, kRuns);
    std::printf("  %-24s %16s %16s\n", "", "put", "get");
    for (Variant& variant : variants)
        std::printf("  %-24s %7.3f (%6.3f) %7.3f (%6.3f)\n", variant.name, median(variant.putTimes),
                    *std::min_element(variant.putTimes.begin(), variant.putTimes.end()), median(variant.getTimes),
                    *std::min_element(variant.getTimes.begin(), variant.getTimes.end()));
    if (!tftpdMissing.empty())
        std::printf("  %-24s (skipped: %s)\n", "tftp   -> in.tftpd", tftpdMissing.c_str());
    return 0;
}
