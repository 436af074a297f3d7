// Player history: 100 000 events of one player among others, then that player's summary and its
// newest 1 000 and all 100 000 events read back. Target: each query under 50 ms.

#include "core/players/history.h"
#include "support/tempdir.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using Clock = std::chrono::steady_clock;

namespace {

template <typename Operation>
double medianMs(int runs, Operation operation)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto begin = Clock::now();
        operation();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - begin).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main()
{
    q7::test::TempDir dir;
    int64_t clock = 1'700'000'000;
    q7::PlayerHistory history(dir.file("history.sqlite3"), [](const std::string& text) {
        std::fprintf(stderr, "%s\n", text.c_str());
    }, [&] { return clock; });
    const auto fillBegin = Clock::now();
    for (int i = 0; i < 100000; ++i) {
        ++clock;
        history.answered("198.18.9.1", i % 2 == 0, true);
        history.transfer("198.18.9." + std::to_string(2 + i % 50), "Reboot: done");
    }
    history.flush();
    const double fill = std::chrono::duration<double>(Clock::now() - fillBegin).count();
    size_t count = 0;
    const double summary = medianMs(9, [&] { count = size_t(history.summary("198.18.9.1").outages); });
    const double newest = medianMs(9, [&] { count = history.events("198.18.9.1").size(); });
    const double all = medianMs(5, [&] { count = history.events("198.18.9.1", 100000).size(); });
    if (count != 100000 || !history.available())
        return 1;
    std::printf("history: 200 000 events written in %.2f s (batched off the caller's thread)\n", fill);
    std::printf("history: summary of a player with 100 000 events: %.2f ms\n", summary);
    std::printf("history: newest 1 000 of its events: %.2f ms, all 100 000: %.1f ms\n", newest, all);
    return 0;
}
