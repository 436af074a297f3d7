// Conversions of the five code pages, the system code page rule, and the byte keeper.
#include "core/base/codepage.h"

#include <gtest/gtest.h>

using namespace q7;

namespace {

TEST(CodePageTest, bytesAndTextConvertBothWaysInEachCodePage)
{
    using namespace std::string_literals;
    const struct {
        int codePage;
        std::string bytes;
        std::u16string text;
    } cases[] = {
        {1252, "Caf\xE9 \x80", u"Café €"},
        {1252, "\x81\x8D\x8F\x90\x9D", u"\u0081\u008D\u008F\u0090\u009D"},  // undefined in 1252, kept all the same
        {932, "\x83\x5E\x82\xA0", u"タあ"},
        {932, "\x1A\x1C\x7F", u"\u001A\u001C\u007F"},  // each control code at its own byte, as Windows has it
        {936, "\xD6\xD0\x81\x5E", u"中乛"},
        {950, "\xA4\xA4\xA4\x5E", u"中乞"},
        {949, "\xB0\xA1", u"가"},
        {1252, "", u""},
    };
    for (const auto& c : cases) {
        const CodePage codePage(c.codePage);
        EXPECT_EQ(codePage.decode(c.bytes), c.text) << c.codePage << " " << c.bytes;
        EXPECT_EQ(codePage.encode(c.text), c.bytes) << c.codePage << " " << c.bytes;
    }
    EXPECT_THROW(CodePage(65001), std::invalid_argument);
}

TEST(CodePageTest, unmappableCharactersBecomeQuestionMarks)
{
    EXPECT_EQ(CodePage(1252).encode(u"あ€Ω"), "?\x80?");
    EXPECT_EQ(CodePage(932).encode(u"€é"), "??");
    EXPECT_EQ(CodePage(949).encode(u"中é"), "\xF1\xE9?");
    EXPECT_EQ(CodePage(936).encode(u"\U0001F600"), "?");  // one "?" for a character beyond the BMP
    // Counted, so the operator can be asked first; a dropped soft hyphen is no "?".
    const std::pair<std::u16string, int> counted[] = {{u"あ€Ω", 2}, {u"a\u00ADb", 0}, {u"\U0001F600x", 1}, {u"", 0}};
    for (const auto& [text, count] : counted) {
        int substituted = -1;
        const std::string bytes = CodePage(1252).encode(text, &substituted);
        EXPECT_EQ(substituted, count) << bytes;
        EXPECT_EQ(bytes, CodePage(1252).encode(text));  // counting changes no byte
    }
}

TEST(CodePageTest, byteReplacementLeavesSecondBytesOfDoubleByteCharacters)
{
    EXPECT_EQ(CodePage(932).replaceByte("^\x83\x5E^a", '^', ' '), " \x83\x5E a");
    EXPECT_EQ(CodePage(950).replaceByte("\xA4\x5E^", '^', ' '), "\xA4\x5E ");
    EXPECT_EQ(CodePage(1252).replaceByte("\x83^", '^', ' '), "\x83 ");
}

TEST(CodePageTest, systemCodePageFollowsTheLocaleLikeTheMessagePage)
{
    const std::pair<const char*, int> cases[] = {
        {"C.UTF-8", 1252},    {"", 1252},         {"de_DE@euro", 1252}, {"ru_RU.UTF-8", 1252},
        {"ja_JP.UTF-8", 932}, {"ja", 932},        {"zh_TW.Big5", 950},  {"zh_CN.UTF-8", 936},
        {"zh_SG", 936},       {"ko_KR.EUC-KR", 949}, {"zh_HK", 1252},   // the message page's item 0 there too
    };
    for (const auto& [locale, codePage] : cases)
        EXPECT_EQ(systemCodePage(locale), codePage) << locale;
}

TEST(ByteKeeperTest, unchangedTextGoesBackAsTheBytesItCameFrom)
{
    ByteKeeper kept{CodePage(932)};
    const std::u16string shown = kept.decode("a", "\xFF\x83");  // nothing 932 can decode
    EXPECT_EQ(kept.encode("a", shown), "\xFF\x83");
    EXPECT_EQ(kept.encode("a", shown + u"タ"), CodePage(932).encode(shown) + "\x83\x5E");
    EXPECT_EQ(kept.encode("b", shown), CodePage(932).encode(shown));  // another value knows no bytes
    kept.decode("a", "x");
    EXPECT_EQ(kept.encode("a", shown), CodePage(932).encode(shown));
}

}  // namespace
