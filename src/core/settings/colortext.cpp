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
    if (text.size() < 2 || text.size() > 9 || text.front() != '$')
        return std::nullopt;
    uint32_t value = 0;
    for (char c : text.substr(1)) {
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
    if (value > 0xFFFFFF)  // the high byte marks palette and system colours, which have no fixed value here
        return std::nullopt;
    return value;
}

}  // namespace q7
