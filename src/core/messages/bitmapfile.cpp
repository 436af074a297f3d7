#include "core/messages/bitmapfile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace q7::messages {
namespace {

void putLE(std::string& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(char(value >> (8 * i) & 0xFF));
}

std::string ioError(const std::string& what, const std::string& path)
{
    return what + " \"" + path + "\". " + std::strerror(errno);
}

// Writes the whole file or reports why not.
std::string writeFile(const std::string& path, const std::string& bytes)
{
    errno = 0;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return ioError("Cannot create file", path);
    if (!out.write(bytes.data(), std::streamsize(bytes.size())) || !out.flush())
        return ioError("Cannot write file", path);
    return {};
}

}  // namespace

Strip::Strip(int w, int h, uint32_t fill) : width(w), height(h), rgb(size_t(w) * size_t(h) * 3)
{
    for (size_t i = 0; i < rgb.size(); i += 3) {
        rgb[i] = uint8_t(fill >> 16);
        rgb[i + 1] = uint8_t(fill >> 8);
        rgb[i + 2] = uint8_t(fill);
    }
}

uint32_t Strip::pixel(int x, int y) const
{
    const size_t at = (size_t(y) * size_t(width) + size_t(x)) * 3;
    return uint32_t(rgb[at]) << 16 | uint32_t(rgb[at + 1]) << 8 | rgb[at + 2];
}

void Strip::setPixel(int x, int y, uint32_t color)
{
    const size_t at = (size_t(y) * size_t(width) + size_t(x)) * 3;
    rgb[at] = uint8_t(color >> 16);
    rgb[at + 1] = uint8_t(color >> 8);
    rgb[at + 2] = uint8_t(color);
}

int lastUsedColumn(const Strip& drawing)
{
    if (drawing.width <= 0 || drawing.height <= 0)
        return -1;
    const uint32_t background = drawing.pixel(0, 0);
    for (int x = drawing.width - 1; x >= 0; --x)
        for (int y = drawing.height - 1; y >= 0; --y)
            if (drawing.pixel(x, y) != background)
                return x;
    return -1;
}

int segmentCount(const Strip& drawing)
{
    const int last = lastUsedColumn(drawing);
    return last <= 10 ? 1 : last / kSegmentWidth + 1;
}

Strip previewStrip(const Strip& drawing, int segments)
{
    Strip preview(segments * kSegmentWidth, drawing.height);
    const int columns = std::min(preview.width, drawing.width);
    for (int y = 0; y < drawing.height; ++y)
        std::memcpy(&preview.rgb[size_t(y) * size_t(preview.width) * 3], &drawing.rgb[size_t(y) * size_t(drawing.width) * 3],
                    size_t(columns) * 3);
    return preview;
}

std::string bmpBytes(const Strip& strip, int left, int width)
{
    const uint32_t rowBytes = uint32_t(width) * 3;
    const uint32_t padding = (4 - rowBytes % 4) % 4;
    const uint32_t imageBytes = (rowBytes + padding) * uint32_t(strip.height);
    std::string out;
    out.reserve(54 + imageBytes);
    out += "BM";
    putLE(out, 54 + imageBytes, 4);
    putLE(out, 0, 4);  // two reserved words
    putLE(out, 54, 4);
    putLE(out, 40, 4);
    putLE(out, uint32_t(width), 4);
    putLE(out, uint32_t(strip.height), 4);  // positive: bottom-up rows
    putLE(out, 1, 2);
    putLE(out, 24, 2);
    putLE(out, 0, 4);  // no compression
    putLE(out, imageBytes, 4);
    for (int i = 0; i < 4; ++i)  // resolutions, colours used, important colours
        putLE(out, 0, 4);
    for (int y = strip.height - 1; y >= 0; --y) {
        const uint8_t* row = &strip.rgb[(size_t(y) * size_t(strip.width) + size_t(left)) * 3];
        for (int x = 0; x < width; ++x, row += 3) {
            out.push_back(char(row[2]));
            out.push_back(char(row[1]));
            out.push_back(char(row[0]));
        }
        out.append(padding, '\0');
    }
    return out;
}

std::string segmentFileName(int k) { return std::to_string(k) + ".message"; }

RenderOutcome renderBitmapMessage(const Strip& drawing, const std::string& workDir, const std::string& targetDir,
                                  Strip* previewOut, const std::function<void(int)>& progress)
{
    auto step = [&](int position) {
        if (progress)
            progress(position);
    };
    const fs::path work(workDir), target = fs::path(targetDir) / kTargetName;
    std::error_code ignored;
    for (int k = 0; k < kMaxSegments; ++k)
        fs::remove(work / segmentFileName(k), ignored);
    fs::remove(target, ignored);
    step(1);

    RenderOutcome outcome;
    outcome.segments = segmentCount(drawing);
    step(2);
    const Strip preview = previewStrip(drawing, outcome.segments);
    step(3);
    for (int k = 0; k < outcome.segments && outcome.ok(); ++k) {
        if (k == 0)
            outcome.error = writeFile((work / kStripBmpName).string(), bmpBytes(preview, 0, preview.width));
        if (outcome.ok())
            outcome.error = writeFile((work / segmentFileName(k)).string(), bmpBytes(preview, k * kSegmentWidth, kSegmentWidth));
        step(4 + k);
    }
    if (previewOut)
        *previewOut = preview;
    if (!outcome.ok())
        return outcome;

    // The scrolling file is assembled from the segment files as written, header and pixels of each.
    std::string file;
    file.reserve(size_t(outcome.segments) * kSegmentFileBytes);
    for (int k = 0; k < outcome.segments; ++k) {
        const std::string path = (work / segmentFileName(k)).string();
        std::ifstream in(path, std::ios::binary);
        std::string segment(kSegmentFileBytes, '\0');
        if (!in || !in.read(segment.data(), std::streamsize(segment.size()))) {
            outcome.error = ioError("Cannot read file", path);
            return outcome;
        }
        file += segment;
    }
    outcome.error = writeFile(target.string(), file);
    if (outcome.ok())
        step(9);
    return outcome;
}

bool scrollingFileLooksRight(const std::string& targetPath, const std::string& segmentZeroPath, int segments)
{
    std::error_code ec1, ec2;
    const uintmax_t fileBlocks = fs::file_size(targetPath, ec1) / 128;
    const uintmax_t segmentBlocks = fs::file_size(segmentZeroPath, ec2) / 128;
    return !ec1 && !ec2 && segmentBlocks > 0 && fileBlocks / segmentBlocks == uintmax_t(segments);
}

}  // namespace q7::messages
