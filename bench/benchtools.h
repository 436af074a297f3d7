#pragma once
// What the benchmark programs share: the median of repeated runs, a settings file with players.

#include "core/settings/appsettings.h"

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace q7::bench {

inline double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// A settings file listing `count` players on the benchmark network (never sent to).
inline std::string settingsWithPlayers(int count)
{
    AppSettings s{"MS Sans Serif", "8", "clBlack", "clWhite", "/", "http://198.18.0.1/", "", {}};
    for (int n = 0; n < count; ++n)
        s.players.push_back({"Q7_" + std::to_string(10000 + n), "198.18.1." + std::to_string(n)});
    return buildAppSettingsFile(s);
}

template <typename Operation>
double medianMs(int runs, Operation operation)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto begin = std::chrono::steady_clock::now();
        operation();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count());
    }
    return median(times);
}

}  // namespace q7::bench
