#include "core/settings/colortext.h"

#include "core/base/ascii.h"

#include <array>
#include <cstdio>
#include <utility>

namespace q7 {
namespace {

constexpr std::array<std::pair<std::string_view, uint32_t>, 20> kNamedColors{{
    {"clBlack", 0x000000},   {"clMaroon", 0x000080}, {"clGreen", 0x008000},  {"clOlive", 0x008080},
    {"clNavy", 0x800000},    {"clPurple", 0x800080}, {"clTeal", 0x808000},   {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},  {"clRed", 0x0000FF},    {"clLime", 0x00FF00},   {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},    {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},  {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6}, {"clCream", 0xF0FBFF}, {"clMedGray", 0xA4A0A0},
}};

// Common CSS/SVG names, as 0xRRGGBB the way they are written there.
constexpr std::array<std::pair<std::string_view, uint32_t>, 30> kCssColors{{
    {"black", 0x000000},     {"white", 0xFFFFFF},     {"red", 0xFF0000},      {"lime", 0x00FF00},
    {"blue", 0x0000FF},      {"yellow", 0xFFFF00},    {"cyan", 0x00FFFF},     {"aqua", 0x00FFFF},
    {"magenta", 0xFF00FF},   {"fuchsia", 0xFF00FF},   {"silver", 0xC0C0C0},   {"gray", 0x808080},
    {"grey", 0x808080},      {"maroon", 0x800000},    {"olive", 0x808000},    {"green", 0x008000},
    {"purple", 0x800080},    {"teal", 0x008080},      {"navy", 0x000080},     {"orange", 0xFFA500},
    {"pink", 0xFFC0CB},      {"brown", 0xA52A2A},     {"gold", 0xFFD700},     {"violet", 0xEE82EE},
    {"indigo", 0x4B0082},    {"darkred", 0x8B0000},   {"darkgreen", 0x006400}, {"darkblue", 0x00008B},
    {"lightgray", 0xD3D3D3}, {"skyblue", 0x87CEEB},
}};

// One to eight hex digits.
std::optional<uint32_t> hexValue(std::string_view digits)
{
    if (digits.empty() || digits.size() > 8)
        return std::nullopt;
    uint32_t value = 0;
    for (char c : digits) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else
            return std::nullopt;
        value = value << 4 | uint32_t(digit);
    }
    return value;
}

// 0xRRGGBB as the settings file's 0x00BBGGRR.
constexpr uint32_t fromRgb(uint32_t rgb) { return (rgb & 0xFF) << 16 | (rgb & 0xFF00) | (rgb >> 16 & 0xFF); }

}  // namespace

std::string colorToText(uint32_t value)
{
    for (const auto& [name, v] : kNamedColors)
        if (v == value)
            return std::string(name);
    char buf[16];
    std::snprintf(buf, sizeof buf, "$%08X", unsigned(value));
    return buf;
}

std::optional<uint32_t> colorFromText(std::string_view text)
{
    for (const auto& [name, v] : kNamedColors)
        if (equalIgnoringAsciiCase(name, text))
            return v;
    if (text.empty() || text.front() != '$')
        return std::nullopt;
    const std::optional<uint32_t> value = hexValue(text.substr(1));
    if (!value || *value > 0xFFFFFF)  // the high byte marks palette and system colours, which have no fixed value here
        return std::nullopt;
    return value;
}

std::optional<uint32_t> colorFromTypedText(std::string_view text)
{
    if (const std::optional<uint32_t> stored = colorFromText(text))
        return stored;
    for (const auto& [name, rgb] : kCssColors)
        if (equalIgnoringAsciiCase(name, text))
            return fromRgb(rgb);
    if (text.size() != 7 || text.front() != '#')
        return std::nullopt;
    const std::optional<uint32_t> rgb = hexValue(text.substr(1));
    return rgb ? std::optional<uint32_t>(fromRgb(*rgb)) : std::nullopt;
}

}  // namespace q7
