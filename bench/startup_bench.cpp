// Start-up to an idle event loop with 129 stored players, and the shut-down rebuild of the settings
// file with 257 players. Prints times and peak memory; targets: start-up < 300 ms, shut-down < 100 ms.

#include "benchtools.h"
#include "core/settings/appsettings.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/players/playerlistview.h"
#include "support/fakes.h"
#include "support/tempdir.h"

#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

using Clock = std::chrono::steady_clock;
using namespace q7;
using q7::bench::median;
using q7::bench::settingsWithPlayers;

namespace {

double ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// Builds the window and returns when its event loop first runs idle.
double startOnce(test::FakePlatform& platform)
{
    const auto begin = Clock::now();
    MainWindow window(platform.services());
    window.show();
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    const double elapsed = ms(Clock::now() - begin);
    window.hide();
    return elapsed;
}

}  // namespace

int main(int argc, char** argv)
{
    const auto processBegin = Clock::now();
    QApplication app(argc, argv);
    test::TempDir dir;
    test::writeBytes(dir.file(kSettingsReadName), settingsWithPlayers(129));
    test::FakePlatform platform(QString::fromStdString(dir.path()));

    const double first = startOnce(platform);
    const double firstWithApp = ms(Clock::now() - processBegin);
    std::vector<double> starts;
    for (int i = 0; i < 20; ++i)
        starts.push_back(startOnce(platform));

    std::vector<double> shutdowns;
    for (int i = 0; i < 20; ++i) {
        MainWindow window(platform.services());
        auto* list = window.findChild<PlayerListView*>(QStringLiteral("ListView1"));
        for (int n = list->topLevelItemCount(); n < int(kMaxPlayers); ++n)
            list->addPlayer(QStringLiteral("Q7_%1").arg(20000 + n), QStringLiteral("198.18.2.%1").arg(n), kMaxPlayers);
        const auto begin = Clock::now();
        if (!window.saveAtClose())
            return 1;
        shutdowns.push_back(ms(Clock::now() - begin));
        test::writeBytes(dir.file(kSettingsReadName), settingsWithPlayers(129));
    }

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("startup, 129 stored players, first run incl. QApplication: %.1f ms (window %.1f ms)\n", firstWithApp,
                first);
    std::printf("startup, 129 stored players, median of 20: %.1f ms (target < 300 ms)\n", median(starts));
    std::printf("shutdown rebuild, 257 players, median of 20: %.2f ms (target < 100 ms)\n", median(shutdowns));
    std::printf("peak memory (max RSS): %.1f MiB\n", usage.ru_maxrss / 1024.0);
    return 0;
}
