// A player's config.conf: the caret form both ways, the reader into page fields (and what the
// writer makes of them, read once more), and the key lines the drift report compares; under the
// Western and the Japanese code page, whose double-byte characters may hold a '^' or a blank.

#include "check.h"
#include "core/base/ascii.h"
#include "core/base/textfile.h"
#include "core/config/configdrift.h"
#include "core/config/configfile.h"

#include <algorithm>
#include <set>

namespace {

using namespace q7::config;

// The text as the store reads it: its lines, each ended with CR LF.
std::string linesWithCrLf(std::string_view bytes)
{
    std::string out;
    for (const std::string& line : q7::splitLines(bytes))
        out.append(line).append("\r\n");
    return out;
}

void checkCaretForm(std::string_view bytes, const q7::CodePage& codePage)
{
    const std::string caret = toCaretForm(bytes, codePage);
    const std::string plain = fromCaretForm(caret, codePage);
    const std::string normal = linesWithCrLf(bytes);
    // Only blanks and carets change, never the lines; there and back is the identity on text
    // without carets, and each direction settles after one step.
    FUZZ_CHECK(caret.size() == normal.size() && plain.size() == normal.size());
    FUZZ_CHECK(q7::splitLines(caret).size() == q7::splitLines(normal).size());
    for (size_t i = 0; i < normal.size(); ++i) {
        FUZZ_CHECK(caret[i] == normal[i] || (normal[i] == ' ' && caret[i] == '^'));
        FUZZ_CHECK(plain[i] == caret[i] || (caret[i] == '^' && plain[i] == ' '));
    }
    if (bytes.find('^') == std::string_view::npos)
        FUZZ_CHECK(plain == normal);
    FUZZ_CHECK(toCaretForm(plain, codePage) == caret);
    FUZZ_CHECK(fromCaretForm(toCaretForm(plain, codePage), codePage) == plain);
}

void checkReader(std::string_view bytes, const q7::CodePage& codePage)
{
    const FieldValues defaults = defaultFieldValues();
    FieldValues values = defaults;
    try {
        readCaretForm("fuzz.conf", toCaretForm(bytes, codePage), values, codePage);
    } catch (const q7::IniError&) {
        FUZZ_CHECK(values == defaults);  // a file that is no config file changes nothing
        return;
    }
    FUZZ_CHECK(values.size() == defaults.size());

    // What the writer makes of the fields (Save Config File, in memory) reads back as the same
    // fields; the writer puts the scheduled time into its two-digit form first, and the version
    // label is never written.
    q7::IniDocument store;
    for (Group group : kGroups)
        writeGroup(group, values, store);
    const std::string file = fromCaretForm(store.bytes(), codePage);
    FieldValues again = defaults;
    readCaretForm("fuzz.conf", toCaretForm(file, codePage), again, codePage);
    again[std::string(kVersionLabel)] = values[std::string(kVersionLabel)];
    FUZZ_CHECK(again == values);
}

void checkEntries(std::string_view bytes)
{
    const std::vector<ConfigEntry> entries = configEntries(bytes);
    std::set<std::pair<std::string, std::string>> seen;
    size_t total = 0;
    for (const ConfigEntry& entry : entries) {
        FUZZ_CHECK(!entry.key.empty() && entry.key.find('=') == std::string::npos);
        FUZZ_CHECK(fuzz::oneLine(entry.section) && fuzz::oneLine(entry.key) && fuzz::oneLine(entry.value));
        FUZZ_CHECK(seen.emplace(q7::asciiUpper(entry.section), q7::asciiUpper(entry.key)).second);
        total += entry.section.size() + entry.key.size() + entry.value.size();
    }
    // Each entry holds its section's name, which is short: the entries grow with the file, not its square.
    FUZZ_CHECK(entries.size() <= bytes.size() / 2);
    FUZZ_CHECK(total <= bytes.size() + kMaxSectionName * entries.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const q7::CodePage western(1252), japanese(932);
    const std::string_view bytes = fuzz::text(data, size);
    for (const q7::CodePage* codePage : {&western, &japanese}) {
        checkCaretForm(bytes, *codePage);
        checkReader(bytes, *codePage);
    }
    checkEntries(bytes);
    return 0;
}
