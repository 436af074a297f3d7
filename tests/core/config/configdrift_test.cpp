// The drift report's comparison of players' config files.
#include "core/config/configdrift.h"

#include <gtest/gtest.h>

using namespace q7::config;

TEST(ConfigDrift, rowsForChangedMissingAndAddedSettingsOnly)
{
    // Letter case of sections and keys does not matter; the first line of a key counts; lone CR
    // ends a line too; lines outside a section and text lines are not settings.
    const std::vector<std::vector<ConfigEntry>> files = {
        configEntries("[Version]=x\r\n\r\n[MISC3]\r\n[Volume]=31\r\n[OSD]=Off\r\n[Volume]=5\r\n"),
        configEntries("\r\n[misc3]\r[volume]=31\r[OSD]=On\rjust text\r"),
        configEntries("\n[MISC3]\n[OSD]=Off\n[Volume]=31\n[Version]=2.0\n"),
    };
    EXPECT_EQ(files[0].size(), 2u);
    const std::vector<DriftRow> rows = configDrift(files);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].section + " " + rows[0].key, "MISC3 [OSD]");
    EXPECT_EQ(rows[0].values, (std::vector<std::optional<std::string>>{"Off", "On", "Off"}));
    EXPECT_EQ(rows[1].section + " " + rows[1].key, "MISC3 [Version]");
    EXPECT_EQ(rows[1].values, (std::vector<std::optional<std::string>>{std::nullopt, std::nullopt, "2.0"}));
    EXPECT_TRUE(configDrift({files[0], files[0]}).empty());
}

TEST(ConfigDrift, longSectionNamesAreNoSectionsAndManyKeysReadInOnePass)
{
    // Every entry holds its section's name: the keys of a header longer than any section name are
    // skipped up to the next header, so that a long header line cannot multiply the file.
    const std::string longName(kMaxSectionName + 1, 'S');
    const std::string shortName(kMaxSectionName, 'S');
    const auto entries =
        configEntries("[" + longName + "]\n[A]=1\n[" + shortName + "]\n[B]=2\n[" + longName + "]\n[C]=3\n[MISC3]\n[D]=4\n");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].section + entries[0].key + entries[0].value, shortName + "[B]2");
    EXPECT_EQ(entries[1].section + entries[1].key + entries[1].value, "MISC3[D]4");

    // A megabyte of distinct keys: each new key is looked up, not compared with all before it.
    std::string file = "[MISC3]\r\n";
    for (int n = 0; n < 80000; ++n)
        file += "[Key" + std::to_string(n) + "]=1\r\n";
    file += "[key0]=2\r\n[KEY79999]=3\r\n";
    const auto many = configEntries(file);
    ASSERT_EQ(many.size(), 80000u);
    EXPECT_EQ(many.back().key + many.back().value, "[Key79999]1");
}

TEST(ConfigDrift, compareRowsPutDifferingSettingsFirstAndIgnorePlayersWithoutAnswer)
{
    const auto file = [](const char* text) { return std::optional<std::vector<ConfigEntry>>(configEntries(text)); };
    const std::vector<CompareRow> rows = compareConfigs({
        file("[A]\n[x]=1\n[y]=2\n[z]=3\n"),
        std::nullopt,
        file("[a]\n[X]=1\n[y]=9\n[w]=4\n"),
    });
    std::vector<std::string> seen;
    for (const CompareRow& row : rows)
        seen.push_back(row.section + " " + row.key + (row.differs ? " differs" : ""));
    EXPECT_EQ(seen, (std::vector<std::string>{"A [y] differs", "A [z] differs", "a [w] differs", "A [x]"}));
    EXPECT_EQ(rows[0].values, (std::vector<std::optional<std::string>>{"2", std::nullopt, "9"}));
    // One answer alone differs from nothing; no answer at all gives no rows.
    for (const CompareRow& row : compareConfigs({file("[A]\n[x]=1\n"), std::nullopt}))
        EXPECT_FALSE(row.differs);
    EXPECT_TRUE(compareConfigs({std::nullopt, std::nullopt}).empty());
}
