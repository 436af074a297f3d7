// The drift report's comparison of players' config files.
#include "core/config/addressfields.h"
#include "core/config/configdrift.h"
#include "core/config/settingchange.h"

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

namespace {

const char kFixed[] = "[NETWORK SETTING]\r\n[NetWork Type]=Wired\r\n[Automatic IP]=Off\r\n[IP Address]=10.0.0.5\r\n"
                      "[IP Mask]=255.255.255.0\r\n[IP Gateway]=10.0.0.1\r\n[IP Primary DNS]=\r\n"
                      "[IP Secondary DNS]=0.0.0.0\r\n[PC1 Address]=0.0.0.0\r\n[MISC1]\r\n[IP Address]=stays\r\n";

}  // namespace

TEST(AddressFields, pagesAndFilesCheckedByTheAddressRule)
{
    const auto withField = [](std::initializer_list<std::pair<const char*, const char*>> fields) {
        q7::config::FieldValues values = q7::config::defaultFieldValues();
        for (const auto& [name, text] : fields)
            values[name].text = text;
        return values;
    };
    const struct {
        q7::config::FieldValues values;
        std::string problem;  // the start of the message; empty: accepted
    } cases[] = {
        {withField({}), ""},
        {withField({{"IPAddress", "999.1.1.1"}}), "IP Address: \"999.1.1.1\" is not"},
        {withField({{"IPMask", "255.255.255"}}), "IP Mask: "},
        {withField({{"IPGateway", "-V"}}), "IP Gateway: "},
        {withField({{"IPSecondaryDNS", " 1.2.3.4"}}), "IP Secondary DNS: "},
        {withField({{"PC2Address", "01.2.3.4"}}), "PC2 Address: "},
        // Empty fields: allowed, except the address and mask of a fixed address.
        {withField({{"IPAddress", ""}, {"IPMask", ""}, {"IPGateway", ""}, {"IPPrimaryDNS", ""}}), ""},
        {withField({{"AutomaticIP", "Off"}, {"IPGateway", ""}, {"IPPrimaryDNS", ""}}), ""},
        {withField({{"AutomaticIP", "Off"}, {"IPAddress", ""}}), "IP Address: \"\" is not"},
        {withField({{"AutomaticIP", "Off"}, {"IPMask", ""}}), "IP Mask: \"\" is not"},
        {withField({{"NTPServerIP", "999.1.1.1"}}), ""},  // never written to the file
    };
    for (const auto& c : cases) {
        const std::string problem = q7::config::addressProblem(c.values).english();
        EXPECT_EQ(problem.substr(0, c.problem.size()), c.problem) << problem;
        EXPECT_EQ(problem.empty(), c.problem.empty()) << problem;
    }
    EXPECT_TRUE(q7::config::fixedAddress(withField({{"AutomaticIP", "Off"}})));
    EXPECT_FALSE(q7::config::fixedAddress(withField({{"AutomaticIP", "Enhance"}})));

    // A file: the same rule on its key lines (a key in another section is not an address field).
    const auto entries = q7::config::configEntries(kFixed);
    EXPECT_EQ(q7::config::addressProblem(entries).english(), "");
    EXPECT_TRUE(q7::config::fixedAddress(entries));
    std::string bad = kFixed;
    bad.replace(bad.find("10.0.0.5"), 8, "10.0.0.300");
    EXPECT_EQ(q7::config::addressProblem(q7::config::configEntries(bad)).english().substr(0, 24), "IP Address: \"10.0.0.300\"");
    EXPECT_FALSE(q7::config::fixedAddress(q7::config::configEntries("[NETWORK SETTING]\n[Automatic IP]=On\n")));
}

TEST(AddressFields, ownNetworkSettingsReplaceOnlyThoseLines)
{
    const std::string own = "[NETWORK SETTING]\n[Automatic IP]=On\n[IP Address]=198.18.0.7\n[ip mask]=255.0.0.0\n"
                            "[IP Gateway]=\n[IP Primary DNS]=198.18.0.1\n[IP Secondary DNS]=0.0.0.0\n"
                            "[PC1 Address]=198.18.0.99\n";
    const auto made = q7::config::withOwnNetwork(kFixed, own);
    ASSERT_TRUE(made);
    EXPECT_EQ(*made, "[NETWORK SETTING]\r\n[NetWork Type]=Wired\r\n[Automatic IP]=On\r\n[IP Address]=198.18.0.7\r\n"
                     "[IP Mask]=255.0.0.0\r\n[IP Gateway]=\r\n[IP Primary DNS]=198.18.0.1\r\n"
                     "[IP Secondary DNS]=0.0.0.0\r\n[PC1 Address]=0.0.0.0\r\n[MISC1]\r\n[IP Address]=stays\r\n");
    // A player's file without one of them, or a file without a line to take it: nothing is made.
    std::string lacking = own;
    lacking.erase(lacking.find("[IP Gateway]"), 13);
    EXPECT_FALSE(q7::config::withOwnNetwork(kFixed, lacking));
    std::string noLine = kFixed;
    noLine.erase(noLine.find("[IP Primary DNS]"), 18);
    EXPECT_FALSE(q7::config::withOwnNetwork(noLine, own));
    EXPECT_FALSE(q7::config::withOwnNetwork("", own));
}

// config set: a setting named by its page label or either spelling of its key, each value taken
// as the page would take it (or refused with the reason), and the player's own key line rewritten.
TEST(SettingChange, namesValuesAndThePlayersOwnSpelling)
{
    const struct {
        std::string_view setting, value, accepted, problem;
    } cases[] = {
        {"Volume", "7", "7", ""},
        {"volume :", "32", "", "Volume: \"32\" is not a number 0 to 31"},
        {"[Speaker Out]", "5.1 channels", "5.1 Channels", ""},
        {"Download List Time", "7:5", "07:05", ""},
        {"Download List Time", "Schedule", "", "Download List Time: \"Schedule\" is not one of Every 5 minutes, "
                                                "Every 15 minutes, Every 30 minutes, Every 60 minutes or a time of day HH:MM"},
        {"Power On Time", "7:5", "7:5", ""},
        {"[IP Gateway]", "10.0.0.300", "", "IP Gateway: \"10.0.0.300\" is not an IPv4 address (four numbers 0 to "
                                            "255, as 192.168.0.10)"},
        {"PC1 Directory", "a^b", "", "PC1 Directory: \"a^b\" holds '^', which the file cannot hold"},
        {"Scrolling Speed", "4", "", "Scrolling Speed: \"4\" holds characters the field does not take"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.setting) + "=" + std::string(c.value));
        const Setting* setting = settingNamed(c.setting);
        ASSERT_NE(setting, nullptr);
        const Accepted accepted = acceptedValue(*setting, c.value);
        EXPECT_EQ(accepted.value, c.accepted);
        EXPECT_EQ(accepted.problem.english(), c.problem);
    }
    for (const std::string_view none : {"[ENCRYPTION]", "[Version]", "NTP Server address", "", "Volume2"})
        EXPECT_EQ(settingNamed(none), nullptr) << none;

    const std::string file = "[AUDIO & VIDEO]\r\n[Speaker Out]=2 Channels\r\n[TV Type]=16:9\r\n";
    const std::vector<SettingValue> wanted{{settingNamed("Speakers Out"), "5.1 Channels"},
                                           {settingNamed("TV Type"), "16:9"}};
    const std::vector<SettingChange> changes = settingChanges(configEntries(file), wanted);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].before, "2 Channels");
    EXPECT_EQ(withValues(file, wanted), "[AUDIO & VIDEO]\r\n[Speaker Out]=5.1 Channels\r\n[TV Type]=16:9\r\n");
    EXPECT_FALSE(withValues(file, {{settingNamed("Volume"), "20"}}));  // no line to change
}
