#pragma once
// JSON strings for the line-per-object output of the programs (q7ctl --json, the test player's
// journal). Texts handed in are UTF-8; bytes that are not valid UTF-8 become U+FFFD, so every line
// written is valid UTF-8 and valid JSON.

#include <string>
#include <string_view>

namespace q7 {

// `text` with each byte that does not belong to a valid UTF-8 sequence replaced by U+FFFD
// (overlong forms, surrogates and code points above U+10FFFF are not valid).
std::string validUtf8(std::string_view text);

// The contents of a JSON string for `text`: valid UTF-8 as validUtf8 makes it, the quote and the
// backslash escaped with a backslash, control characters (U+0000 to U+001F and U+007F) as \u00xx.
std::string jsonEscaped(std::string_view text);

// jsonEscaped(text) between quotes.
std::string jsonString(std::string_view text);

}  // namespace q7
