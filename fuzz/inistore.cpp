// The settings store's line algorithms on arbitrary bytes, through an in-memory document: reads of
// several keys at once against reads of one, key lines, and writes.

#include "check.h"
#include "core/base/inistore.h"
#include "core/base/textfile.h"

#include <utility>
#include <vector>

namespace {

using Query = std::pair<std::string, std::vector<std::string>>;

// Sections and keys of the tool's settings file and of a config file in caret form.
std::vector<Query> fixedQueries()
{
    return {
        {"FONT", {"NAME", "SIZE", "FORE", "BACK", "name"}},
        {"LIST_EDIT", {"ROOT", "DOWNURL", "UPURL"}},
        {"Q7_Dev", {"IP_0", "NAME_0", "IP_1", "IP_12", "NAME_128", "ip_0"}},
        {"NETWORK^SETTING", {"[NetWork^Type]", "[IP^Address]", "[Wireless^KEY]"}},
        {"MISC3", {"[Volume]", "[Version]"}},
        {"AUDIO^&^VIDEO", {"[Speaker^Out]", "[VGA_Standard]", "[Speakers^Out]"}},
    };
}

std::string withoutNuls(std::string s)
{
    std::erase(s, '\0');
    return s;
}

// A section and key that the input itself names: its first "[...]" line and the key of the first
// key line below it, so that the fuzzer reaches matches without guessing names.
void addQueriesFromInput(const std::vector<std::string>& lines, std::vector<Query>& queries)
{
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.size() < 2 || line.front() != '[' || line.back() != ']')
            continue;
        Query q{withoutNuls(line.substr(1, line.size() - 2)), {}};
        for (size_t k = i + 1; k < lines.size() && q.second.size() < 3; ++k)
            if (const size_t eq = lines[k].find('='); eq != std::string::npos && eq > 0)
                q.second.push_back(withoutNuls(lines[k].substr(0, eq)));
        if (q.second.empty())
            q.second.push_back("KEY");
        queries.push_back(std::move(q));
        if (queries.size() > 8)
            return;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(fuzz::text(data, size));
    const std::vector<std::string> lines = q7::splitLines(bytes);
    std::vector<Query> queries = fixedQueries();
    addQueriesFromInput(lines, queries);

    q7::IniDocument doc(bytes);
    for (const auto& [section, keys] : queries) {
        // Several keys in one pass give what each key read alone gives.
        const std::vector<std::string> values = doc.readValues(section, keys);
        FUZZ_CHECK(values.size() == keys.size());
        for (size_t k = 0; k < keys.size(); ++k) {
            FUZZ_CHECK(values[k] == doc.readValue(section, keys[k]));
            FUZZ_CHECK(fuzz::oneLine(values[k]));
            FUZZ_CHECK(values[k].size() <= bytes.size());
        }

        for (const std::string& key : keys) {
            const int at = doc.findKeyLine(section, key);
            FUZZ_CHECK(at >= 0 && size_t(at) <= lines.size());
            if (at > 0)
                FUZZ_CHECK(q7::iniIsKeyLine(lines[size_t(at) - 1], key));

            // A write leaves every other line as it was and its key line where a later write finds it.
            const std::string value = values.empty() || values[0].empty() ? "v^1" : values[0];
            q7::IniDocument written(bytes);
            written.writeValue(section, key, value);
            const std::vector<std::string> after = q7::splitLines(written.bytes());
            FUZZ_CHECK(written.bytes().size() <= 2 * bytes.size() + section.size() + key.size() + value.size() + 16);
            if (bytes.find('\x1a') == std::string::npos) {
                // Replaced, inserted, or appended as a new section (after an empty line unless
                // the text's last line had no line end, which the tail's CR LF then ends).
                FUZZ_CHECK(after.size() >= lines.size() && after.size() <= lines.size() + 3);
                const int found = written.findKeyLine(section, key);
                FUZZ_CHECK(found > 0);
                FUZZ_CHECK(after[size_t(found) - 1] == key + "=" + value);
            }
        }
    }
    return 0;
}
