// Text message bytes for every code page item, checked against the code pages' published tables,
// and how message files are read back.
#include "core/messages/textmessage.h"

#include <gtest/gtest.h>

using namespace q7::messages;

TEST(TextMessage, bytesForEveryCodePage)
{
    const struct {
        int item;
        int systemCodePage;
        std::u16string text;
        std::string bytes;
    } cases[] = {
        {English, 1252, u"abc", "abc\r\n"},
        {English, 1252, u"", "\r\n"},
        {English, 1252, u"Caf\u00E9 \u20AC5", "Caf\xE9 \x80" "5\r\n"},
        {English, 1252, u"\u4E2D", "?\r\n"},          // not in 1252
        {English, 932, u"\u65E5", "\x93\xFA\r\n"},     // a Japanese locale's own page
        {Big5, 1252, u"\u4E2D\u6587", "\xA4\xA4\xA4\xE5\r\n"},
        {Big5, 1252, u"\u3042", "?\r\n"},              // hiragana is not in BIG5
        {Gb2312, 1252, u"\u4E2D\u6587", "\xD6\xD0\xCE\xC4\r\n"},
        {Gb2312, 1252, u"\u20AC", "\x80\r\n"},
        {ShiftJis, 1252, u"\u65E5\u672C\uFF71", "\x93\xFA\x96\x7B\xB1\r\n"},
        {ShiftJis, 1252, u"a\u001A\u007Fb", "a\x1A\x7F" "b\r\n"},  // control codes stay themselves
        {ShiftJis, 1252, u"\uD55C", "?\r\n"},          // Hangul is not in Shift-JIS
        {Korean, 1252, u"\uD55C\uAE00", "\xC7\xD1\xB1\xDB\r\n"},
        {Korean, 1252, u"\u00E9", "?\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(messageFileBytes(c.text, codePageOfItem(c.item, c.systemCodePage)), c.bytes)
            << "item " << c.item << ", " << c.bytes;
}

TEST(TextMessage, fileTextByByteOrderMarkElseSystemCodePage)
{
    const struct {
        std::string bytes;
        int systemCodePage;
        std::u16string text;
    } cases[] = {
        {"Caf\xE9\r\n", 1252, u"Caf\u00E9\r\n"},
        {"\xEF\xBB\xBF" "Caf\xC3\xA9", 1252, u"Caf\u00E9"},
        {std::string("\xFF\xFE" "a\0\x2D\x4E", 6), 1252, u"a\u4E2D"},
        {std::string("\xFE\xFF\0a\x4E\x2D", 6), 1252, u"a\u4E2D"},
        {"\xD6\xD0", 936, u"\u4E2D"},
        {"", 1252, u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(messageFileText(c.bytes, c.systemCodePage), c.text) << c.bytes;
}
