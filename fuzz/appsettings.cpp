// The tool's settings file: the loader on arbitrary bytes, then the file that shut-down builds
// from what was read, read back again. And the builder on values taken from the input.

#include "check.h"
#include "core/base/inistore.h"
#include "core/settings/appsettings.h"

#include <algorithm>

namespace {

bool sameSettings(const q7::AppSettings& a, const q7::AppSettings& b)
{
    return a.fontName == b.fontName && a.fontSize == b.fontSize && a.foreColor == b.foreColor &&
           a.backColor == b.backColor && a.root == b.root && a.downUrl == b.downUrl && a.upUrl == b.upUrl &&
           a.players == b.players;
}

q7::AppSettings readBack(const std::string& file)
{
    q7::IniDocument doc(file);
    return q7::readAppSettings(doc);
}

// The input's NUL-separated pieces as the values of a settings record, in field order, then
// name and address of each player.
q7::AppSettings settingsFromPieces(std::string_view bytes)
{
    std::vector<std::string> pieces;
    for (size_t start = 0;;) {
        const size_t end = bytes.find('\0', start);
        pieces.emplace_back(bytes.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    pieces.resize(std::max<size_t>(pieces.size(), 7));
    q7::AppSettings s{pieces[0], pieces[1], pieces[2], pieces[3], pieces[4], pieces[5], pieces[6], {}};
    // A few more players than the file has slots; the file is built key by key, so more would
    // only slow the fuzzer down.
    for (size_t i = 7; i + 1 < pieces.size() && s.players.size() < size_t(q7::kPlayerSlots) + 3; i += 2)
        s.players.push_back({pieces[i], pieces[i + 1]});
    return s;
}

std::string lineValue(std::string value)
{
    for (char& c : value)
        if (c == '\r' || c == '\n' || c == '\x1a')
            c = ' ';
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes = fuzz::text(data, size);

    // What the loader gives: one-line values, at most the 129 slots, every player with an address.
    const q7::AppSettings read = readBack(std::string(bytes));
    FUZZ_CHECK(read.players.size() <= size_t(q7::kPlayerSlots));
    for (const std::string* value : {&read.fontName, &read.fontSize, &read.foreColor, &read.backColor, &read.root,
                                     &read.downUrl, &read.upUrl})
        FUZZ_CHECK(fuzz::oneLine(*value));
    for (const q7::StoredPlayer& player : read.players) {
        FUZZ_CHECK(!player.address.empty());
        FUZZ_CHECK(fuzz::oneLine(player.name) && fuzz::oneLine(player.address));
    }

    // Saving what was read and reading that again gives the same settings.
    const std::string rebuilt = q7::buildAppSettingsFile(read);
    FUZZ_CHECK(sameSettings(readBack(rebuilt), read));

    // Any values come back as they were written, except that a line break or Ctrl-Z inside one
    // comes back as a space: no value can add a line, let alone a player, to the file.
    const q7::AppSettings written = settingsFromPieces(bytes);
    q7::AppSettings expected = written;
    for (std::string* value : {&expected.fontName, &expected.fontSize, &expected.foreColor, &expected.backColor,
                               &expected.root, &expected.downUrl, &expected.upUrl})
        *value = lineValue(*value);
    expected.players.clear();
    for (size_t n = 0; n < written.players.size() && n < size_t(q7::kPlayerSlots); ++n)
        if (!written.players[n].address.empty())
            expected.players.push_back({lineValue(written.players[n].name), lineValue(written.players[n].address)});
    FUZZ_CHECK(sameSettings(readBack(q7::buildAppSettingsFile(written)), expected));
    return 0;
}
