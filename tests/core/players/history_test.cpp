// Player history: what is recorded survives a restart, summaries and event order, pruning, and a
// damaged database that is reported once and left as it is.
#include "core/players/history.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

using namespace q7;
using namespace q7::test;

namespace {

constexpr int64_t kDay = 86400;

std::vector<std::string> describe(const std::vector<HistoryEvent>& events)
{
    std::vector<std::string> out;
    for (const HistoryEvent& e : events)
        out.push_back(std::to_string(e.time) + " " + historyKindName(e.kind) + (e.detail.empty() ? "" : " " + e.detail));
    return out;
}

}  // namespace

TEST(PlayerHistory, recordsSurviveARestartAndSummariesCountRecentOutages)
{
    TempDir dir;
    const std::string path = dir.file("data/q7-config-tool/history.sqlite3");
    int64_t clock = 1000 * kDay;
    std::vector<std::string> reports;
    auto report = [&](const std::string& text) { reports.push_back(text); };
    {
        PlayerHistory history(path, report, [&] { return clock; });
        ASSERT_TRUE(history.available()) << (reports.empty() ? "" : reports[0]);
        history.found("198.18.1.5");
        history.answered("198.18.1.5", true, true);
        clock += 10;
        history.answered("198.18.1.5", true, false);  // still online: only "last seen" moves
        clock = 1000 * kDay - 8 * kDay;  // an outage older than a week
        history.answered("198.18.1.5", false, true);
        clock = 1000 * kDay + 20;
        history.answered("198.18.1.5", false, true);
        history.transfer("198.18.1.5", "Reboot: failed (timed out)");
        history.answered("198.18.1.6", false, false);  // offline from the start: nothing to record
    }
    clock = 1000 * kDay + 30;
    PlayerHistory history(path, report, [&] { return clock; });
    const PlayerSummary summary = history.summary("198.18.1.5");
    EXPECT_EQ(summary.firstFound, 1000 * kDay);
    EXPECT_EQ(summary.lastFound, 1000 * kDay);
    EXPECT_EQ(summary.lastSeen, 1000 * kDay + 10);
    EXPECT_EQ(summary.outages, 1);
    EXPECT_EQ(history.summary("198.18.1.5", 30).outages, 2);
    EXPECT_EQ(describe(history.events("198.18.1.5")),
              (std::vector<std::string>{"86400020 transfer Reboot: failed (timed out)", "86400020 offline",
                                        "86400000 online", "86400000 found", "85708800 offline"}));
    EXPECT_TRUE(history.events("198.18.1.6").empty());
    ASSERT_EQ(history.allSummaries().size(), 1u);

    // Events older than 90 days go at the next start.
    history.flush();
    clock += 91 * kDay;
    PlayerHistory later(path, report, [&] { return clock; });
    EXPECT_TRUE(later.events("198.18.1.5").empty());
    EXPECT_EQ(later.summary("198.18.1.5").firstFound, 1000 * kDay);  // the player itself is kept
    EXPECT_TRUE(reports.empty());
}

TEST(PlayerHistory, aDamagedDatabaseIsReportedOnceAndLeftAlone)
{
    TempDir dir;
    const std::string path = dir.file("history.sqlite3");
    const std::string garbage = std::string("SQLite format 3") + std::string(4096, '\x5A');
    writeBytes(path, garbage);
    std::vector<std::string> reports;
    PlayerHistory history(path, [&](const std::string& text) { reports.push_back(text); });
    EXPECT_FALSE(history.available());
    history.found("198.18.1.5");
    history.transfer("198.18.1.5", "Reboot: done");
    history.flush();
    EXPECT_TRUE(history.events("198.18.1.5").empty());
    EXPECT_EQ(history.summary("198.18.1.5").outages, 0);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find(path), std::string::npos);
    EXPECT_EQ(readBytes(path), garbage);
}
