// The blocking program runner of front ends without an event loop: how each program ended, its
// output, the bound and the stop request.
#include "core/platform/programrun.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <thread>

using namespace q7;
using namespace std::chrono_literals;

TEST(ProgramRun, endsOutputsBoundAndStop)
{
    StopEvent stop;
    const std::vector<ProgramEnd> ends = runPrograms({{"sh", {"-c", "echo out; echo err >&2; exit 3"}},
                                                      {"sh", {"-c", "kill -TERM $$"}},
                                                      {"q7-no-such-program", {}},
                                                      {"sh", {"-c", "pwd"}},
                                                      {"sleep", {"30"}}},
                                                     "/", 500ms, stop);
    ASSERT_EQ(ends.size(), 5u);
    EXPECT_EQ(ends[0].how, ProgramEnd::How::Exited);
    EXPECT_EQ(ends[0].code, 3);
    EXPECT_EQ(ends[0].output, "out\nerr\n");
    EXPECT_EQ(ends[1].how, ProgramEnd::How::Signalled);
    EXPECT_EQ(ends[1].code, 15);
    EXPECT_EQ(ends[2].how, ProgramEnd::How::NotStarted);
    EXPECT_EQ(ends[2].code, ENOENT);
    EXPECT_EQ(ends[3].output, "/\n");
    EXPECT_EQ(ends[4].how, ProgramEnd::How::Overdue);
    EXPECT_FALSE(stop.requested());
    // A pause already overdue (a sweep launch that fell behind its schedule) ends at once.
    const auto before = std::chrono::steady_clock::now();
    EXPECT_TRUE(pauseFor(std::chrono::milliseconds(std::numeric_limits<long long>::min() / 2), stop));
    EXPECT_TRUE(pauseFor(-20ms, stop));
    EXPECT_LT(std::chrono::steady_clock::now() - before, 1s);

    // A stop request ends the wait and every program still running; it stays requested.
    std::jthread stopper([&] {
        std::this_thread::sleep_for(100ms);
        stop.request();
    });
    const std::vector<ProgramEnd> stopped = runPrograms({{"sleep", {"30"}}}, {}, 60s, stop);
    EXPECT_EQ(stopped.front().how, ProgramEnd::How::Stopped);
    EXPECT_TRUE(stop.requested());
    EXPECT_FALSE(pauseFor(10s, stop));
}

TEST(ProgramRun, aProgramWhoseFileOutgrowsItsBoundIsKilled)
{
    const StopEvent stop;
    const std::string dir = ::testing::TempDir();
    const auto before = std::chrono::steady_clock::now();
    const std::vector<ProgramEnd> ends =
        runPrograms({{"sh", {"-c", "exec yes > q7-grows.txt"}, "q7-grows.txt", 100000},
                     {"sh", {"-c", "echo small > q7-small.txt"}, "q7-small.txt", 100000}},
                    dir, 30s, stop);
    EXPECT_EQ(ends[0].how, ProgramEnd::How::TooLarge);
    EXPECT_EQ(ends[1].how, ProgramEnd::How::Exited);
    EXPECT_LT(std::chrono::steady_clock::now() - before, 10s);
    std::remove((dir + "/q7-grows.txt").c_str());
    std::remove((dir + "/q7-small.txt").c_str());
}

// At most N programs at once, the next started as one ends, each bounded from its own start: four
// that each hold a lock folder for a while all get it, though together they outlast the bound.
TEST(ProgramRun, atMostTheBoundRunAtOnce)
{
    const StopEvent stop;
    const std::string dir = ::testing::TempDir();
    const ProgramRun holdsLock{"sh", {"-c", "mkdir q7-lock || exit 9; sleep 0.6; rmdir q7-lock"}};
    const std::vector<ProgramEnd> ends = runPrograms(std::vector<ProgramRun>(4, holdsLock), dir, 1500ms, stop, {}, 1);
    for (const ProgramEnd& end : ends) {
        EXPECT_EQ(end.how, ProgramEnd::How::Exited);
        EXPECT_EQ(end.code, 0) << end.output;
    }
}
