// Compare players in the window (offscreen) against three test players on loopback that answer at
// once, with the real waits: the time from the click to the filled table, against the wait the
// players are given to save their settings (5.1 s), which is kept exactly. The fetch wait after it
// ends as soon as the fetches have, so the ratio should stay close to 1 (it was 2 with both waits
// sat out in full).

#include "core/commands/commandtable.h"
#include "support/playerrig.h"

#include <QApplication>
#include <QTableWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using Clock = std::chrono::steady_clock;
using namespace q7;
using namespace q7::test;

namespace {

constexpr int kPlayers = 3;
constexpr int kRuns = 3;

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    PlayerRig rig(kPlayers, 1.0);
    for (int row = 0; row < kPlayers; ++row)
        rig.mark(row, true, true);
    rig.window->configPage()->enableBackupRestore();
    const commands::Pace& prepare = commands::compareCommand().stepList()[1].pace;
    const double prepareSeconds = prepare.durationMs() / 1000.0;

    std::vector<double> ratios, times;
    for (int run = 0; run < kRuns; ++run) {
        const auto begin = Clock::now();
        rig.click("ComparePlayersButton");
        const bool filled = waitUntil(
            [&] {
                auto* table = rig.window->findChild<QTableWidget*>(QStringLiteral("CompareTable"));
                return table && table->columnCount() == kPlayers && rig.window->transfers()->busyCommands() == 0;
            },
            30000);
        const double seconds = std::chrono::duration<double>(Clock::now() - begin).count();
        if (!filled) {
            std::fprintf(stderr, "compare bench: no table after 30 s\n%s\n",
                         rig.log().join('\n').toStdString().c_str());
            return 1;
        }
        times.push_back(seconds);
        ratios.push_back(seconds / prepareSeconds);
    }
    std::sort(times.begin(), times.end());
    std::sort(ratios.begin(), ratios.end());
    std::printf("Compare players, %d test players on loopback, %d runs\n", kPlayers, kRuns);
    std::printf("  click to table %.2f s (median), %.2f x the players' wait of %.1f s (target: close to 1)\n",
                times[times.size() / 2], ratios[ratios.size() / 2], prepareSeconds);
    return 0;
}
