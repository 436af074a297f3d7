#pragma once
// The scrolling bitmap file "message.target": the drawing strip is cut after its last used column
// into N segments of 1080 x 90 pixels (N = 1..5); each segment is a 24-bit BMP and the file is
// those BMPs one after another. Plain C++: the drawing itself happens elsewhere.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace q7::messages {

inline constexpr int kStripWidth = 5400;
inline constexpr int kStripHeight = 90;
inline constexpr int kSegmentWidth = 1080;
inline constexpr int kMaxSegments = kStripWidth / kSegmentWidth;
inline constexpr int kTextLimit = 5380;  // widest text that is drawn
// The most characters a bitmap message's text holds (UTF-16 units, as the sheet's text field counts
// them).
inline constexpr int kBitmapTextLength = 256;
inline constexpr int kTextLeft = 5;
inline constexpr uint32_t kSegmentFileBytes = 54 + kSegmentWidth * kStripHeight * 3;  // 291,654
inline constexpr const char* kTargetName = "message.target";
inline constexpr const char* kStripBmpName = "message.bmp";

// An RGB picture, rows top-down, 3 bytes per pixel in the order red, green, blue.
struct Strip {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;

    Strip() = default;
    Strip(int w, int h, uint32_t fill = 0xFFFFFF);
    uint32_t pixel(int x, int y) const;  // 0xRRGGBB
    void setPixel(int x, int y, uint32_t color);
};

// Top edge of text of height `textHeight` centred in the strip, rounded toward zero.
inline int textTop(int textHeight) { return (kStripHeight - textHeight) / 2; }

// The last column (from the right, each column bottom-up) holding a pixel that differs from the
// top-left one; -1 when there is none.
int lastUsedColumn(const Strip& drawing);
// Number of 1080-pixel segments: last used column / 1080 + 1, and 1 when that column is 10 or less.
int segmentCount(const Strip& drawing);
// Columns 0 .. segments x 1080 - 1 of the drawing.
Strip previewStrip(const Strip& drawing, int segments);

// A 24-bit BMP of `width` columns of `strip` starting at column `left`: rows bottom-up, B G R.
std::string bmpBytes(const Strip& strip, int left, int width);

// "k.message" for segment k.
std::string segmentFileName(int k);

struct RenderOutcome {
    int segments = 0;
    std::string error;  // the input/output failure, empty on success
    bool ok() const { return error.empty(); }
};

// Deletes segment files 0..4 in `workDir` and `targetDir`/message.target (read-only ones too), cuts
// the drawing, writes the segment files and message.bmp in `workDir`, then message.target in
// `targetDir` built from the segment files. Stops at the first input/output error. `progress` is
// told 1 after the deletions, 2 and 3 around the cut, one more per segment, and 9 at the end.
RenderOutcome renderBitmapMessage(const Strip& drawing, const std::string& workDir, const std::string& targetDir,
                                  Strip* preview = nullptr, const std::function<void(int)>& progress = {});

// The size check: the file's whole 128-byte blocks divided by segment 0's equal the segment count.
bool scrollingFileLooksRight(const std::string& targetPath, const std::string& segmentZeroPath, int segments);

}  // namespace q7::messages
