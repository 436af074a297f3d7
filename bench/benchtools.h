#pragma once
// What every benchmark program shares: the median time of repeated runs.

#include <algorithm>
#include <chrono>
#include <vector>

namespace q7::bench {

template <typename Operation>
double medianMs(int runs, Operation operation)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto begin = std::chrono::steady_clock::now();
        operation();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace q7::bench
