// The scrolling bitmap file: segment count, BMP layout, file assembly and the size check.
#include "core/messages/bitmapfile.h"
#include "support/tempdir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace q7::messages;
using namespace q7::test;
namespace fs = std::filesystem;

namespace {

uint32_t le(const std::string& bytes, size_t at, int size)
{
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | uint8_t(bytes[at + size_t(i)]);
    return value;
}

Strip drawingLitAt(std::initializer_list<int> columns)
{
    Strip strip(kStripWidth, kStripHeight, 0x102030);
    for (int x : columns)
        strip.setPixel(x, kStripHeight - 1, 0xFF0000);
    return strip;
}

}  // namespace

TEST(BitmapFile, textTopAndSegmentCount)
{
    for (const auto& [height, top] : {std::pair{60, 15}, {13, 38}, {90, 0}, {91, 0}, {93, -1}, {120, -15}})
        EXPECT_EQ(textTop(height), top) << height;

    const struct {
        std::initializer_list<int> lit;
        int segments;
    } cases[] = {{{}, 1}, {{10}, 1}, {{11}, 1}, {{1079}, 1}, {{1080}, 2}, {{5, 2159}, 2}, {{2160}, 3}, {{5384}, 5}, {{5399}, 5}};
    for (const auto& c : cases)
        EXPECT_EQ(segmentCount(drawingLitAt(c.lit)), c.segments) << (c.lit.size() ? *c.lit.begin() : -1);
}

TEST(BitmapFile, filesForOneToFiveSegmentsHaveTheExactLayout)
{
    TempDir work, target;
    for (int n = 1; n <= 5; ++n) {
        // A pixel in the last column of the message, and one marker pixel (x, y) in each segment.
        Strip drawing = drawingLitAt({n * kSegmentWidth - 1});
        for (int k = 0; k < n; ++k)
            drawing.setPixel(k * kSegmentWidth + 7, 3, 0x0A0B0C);
        const RenderOutcome outcome = renderBitmapMessage(drawing, work.path(), target.path());
        ASSERT_TRUE(outcome.ok()) << outcome.error;
        ASSERT_EQ(outcome.segments, n);

        const std::string file = readBytes(target.file(kTargetName));
        ASSERT_EQ(file.size(), size_t(n) * kSegmentFileBytes);
        for (int k = 0; k < n; ++k) {
            const std::string segment = file.substr(size_t(k) * kSegmentFileBytes, kSegmentFileBytes);
            EXPECT_EQ(segment, readBytes(work.file(segmentFileName(k))));
            EXPECT_EQ(segment.substr(0, 2), "BM");
            const std::pair<size_t, uint32_t> fields[] = {{2, kSegmentFileBytes}, {6, 0}, {10, 54}, {14, 40},
                                                          {18, 1080}, {22, 90}, {30, 0}, {34, 291600}, {38, 0},
                                                          {42, 0}, {46, 0}, {50, 0}};
            for (const auto& [offset, value] : fields)
                EXPECT_EQ(le(segment, offset, 4), value) << "offset " << offset;
            EXPECT_EQ(le(segment, 26, 2), 1u);
            EXPECT_EQ(le(segment, 28, 2), 24u);
            // Pixel (7, 3) of segment k: row 3 from the top is stored 86th from the bottom, B G R.
            const size_t at = 54 + size_t(kStripHeight - 1 - 3) * 3240 + 7 * 3;
            EXPECT_EQ(segment.substr(at, 3), "\x0C\x0B\x0A");
            EXPECT_EQ(segment.substr(54, 3), "\x30\x20\x10");  // bottom-left: background
        }
        EXPECT_TRUE(scrollingFileLooksRight(target.file(kTargetName), work.file("0.message"), n));
        EXPECT_FALSE(scrollingFileLooksRight(target.file(kTargetName), work.file("0.message"), n + 1));
        const std::string strip = readBytes(work.file(kStripBmpName));
        EXPECT_EQ(strip.size(), 54 + size_t(n) * 291600);
        EXPECT_EQ(le(strip, 18, 4), uint32_t(n * 1080));
        EXPECT_EQ(le(strip, 2, 4), strip.size());
    }
    // After five segments a short message leaves only its own segment file.
    writeBytes(target.file(kTargetName), "old");
    ::chmod(target.file(kTargetName).c_str(), 0444);
    ASSERT_TRUE(renderBitmapMessage(drawingLitAt({}), work.path(), target.path()).ok());
    EXPECT_EQ(fs::file_size(target.file(kTargetName)), kSegmentFileBytes);
    for (int k = 1; k < 5; ++k)
        EXPECT_FALSE(fs::exists(work.file(segmentFileName(k)))) << k;
}

TEST(BitmapFile, unwritableFolderReportsTheFailure)
{
    TempDir work;
    const RenderOutcome outcome = renderBitmapMessage(drawingLitAt({}), work.file("missing"), work.path());
    EXPECT_FALSE(outcome.ok());
    EXPECT_NE(outcome.error.find("missing"), std::string::npos);
    EXPECT_FALSE(fs::exists(work.file(kTargetName)));
}
