// JSON strings of the programs' line output: escapes, and invalid UTF-8 replaced so that every
// line stays valid.
#include "core/base/json.h"

#include <gtest/gtest.h>

using namespace q7;

TEST(Json, stringsEscapeQuoteBackslashAndControlsAndReplaceInvalidUtf8)
{
    const struct {
        std::string_view text;
        std::string_view json;
    } cases[] = {
        {"", R"("")"},
        {"plain /001.mp3", R"("plain /001.mp3")"},
        {"say \"hi\"", R"("say \"hi\"")"},
        {"C:\\Q7\\", R"("C:\\Q7\\")"},
        {std::string_view("\0\x01\x1F", 3), R"("\u0000\u0001\u001f")"},
        {"a\nb\rc\td", R"("a\nb\rc\td")"},
        {"del\x7F", R"("del\u007f")"},
        {"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x8E\xB5",
         "\"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x8E\xB5\""},                            // passed through
        {"caf\xE9", "\"caf\xEF\xBF\xBD\""},                                           // a Latin-1 byte
        {"\xE2\x82", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},                                 // cut short: each byte replaced
        {"\xC0\xAF", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},                                 // overlong "/"
        {"\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},                 // a surrogate
        {"\xF4\x90\x80\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""}, // above U+10FFFF
        {"\xF8\x88\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},                 // no UTF-8 lead byte
    };
    for (const auto& c : cases) {
        EXPECT_EQ(jsonString(c.text), c.json) << c.text;
        EXPECT_EQ(jsonEscaped(c.text), c.json.substr(1, c.json.size() - 2)) << c.text;
    }
    EXPECT_EQ(validUtf8("ok \xC3\xA9\xFF"), "ok \xC3\xA9\xEF\xBF\xBD");
}
