#pragma once
// Colour text of the settings file: one of twenty colour names, or "$" and eight hex digits of
// the 32-bit value 00BBGGRR.

#include "core/base/translatable.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace q7 {

// value is 0x00BBGGRR.
std::string colorToText(uint32_t value);
// Accepts the names (any letter case) and "$" with one to eight hex digits; no system colours.
std::optional<uint32_t> colorFromText(std::string_view text);

// A colour typed by a person: the settings file's forms, the common CSS/SVG colour names ("red",
// "navy", "orange", ...; any letter case) and "#" with six hex digits RRGGBB.
std::optional<uint32_t> colorFromTypedText(std::string_view text);
// The forms colorFromTypedText accepts, for a message (looked up under "Problems" where shown).
//: The forms a colour may be typed in: red, navy, clRed, #RRGGBB and $00BBGGRR stay as they are.
inline constexpr const char* kTypedColorForms =
    Q7_TRANSLATABLE("Problems", "a colour name (red, navy, clRed, ...), #RRGGBB or $00BBGGRR");

inline constexpr uint32_t kColorBlack = 0x000000;
inline constexpr uint32_t kColorWhite = 0xFFFFFF;

}  // namespace q7
