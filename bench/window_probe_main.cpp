// The measured side of the window start-up benchmark: the tool's main window with the platform
// services of the program, started in the folder argv[2] (its settings file and history database
// there). Only the network search and the echo probe are stand-ins that never send: the probe quits
// at its first idle event loop, before any tick, and sends nothing anywhere. Writes the nanoseconds
// from the launch time it is given (argv[1], steady clock) to that idle loop on stdout.

#include "core/platform/addressresolver.h"
#include "core/platform/echoprobe.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/platform/process.h"
#include "gui/platform/qtdialogs.h"
#include "gui/platform/system.h"
#include "gui/platform/viewer.h"

#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

class SilentResolver final : public q7::AddressResolver {
public:
    std::optional<q7::HardwareAddress> resolve(const std::string&, std::stop_token) override { return std::nullopt; }
};

class SilentEcho final : public q7::EchoProbe {
public:
    q7::EchoReply echo(const std::string&, int timeoutMs, std::stop_token) override { return {false, timeoutMs}; }
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    const long long launched = std::atoll(argv[1]);
    const QString startDir = QString::fromLocal8Bit(argv[2]);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QFont compact = QApplication::font();  // as the program does
    compact.setPointSize(8);
    QApplication::setFont(compact);

    q7::QtDialogs dialogs;
    q7::QtSystemInfo system;
    q7::QtProcessStarter processes;
    SilentResolver resolver;
    SilentEcho echo;
    q7::QtViewer viewer;
    q7::MainWindow window(q7::Services{dialogs, system, processes, resolver, echo, viewer, startDir, 1.0,
                                       startDir + QStringLiteral("/history.sqlite3")});
    window.show();
    QTimer::singleShot(0, &app, [&] {
        std::printf("%lld\n", std::chrono::steady_clock::now().time_since_epoch().count() - launched);
        QCoreApplication::quit();
    });
    return QApplication::exec();
}
