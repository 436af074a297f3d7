#pragma once
// Picks the text message's code page item from the system locale, by its Windows locale identifier.

#include <cstdint>
#include <string_view>

namespace q7 {

// Maps a POSIX locale name ("ja_JP.UTF-8", "zh_TW", "C") to a Windows locale identifier;
// 0x0409 (English, United States) for names it does not know.
uint16_t windowsLocaleId(std::string_view posixName);

// Index into the code page list: 1 BIG5, 2 GB2312, 3 Shift-JIS, 4 Korean, 0 English.
int codePageItemForLocale(uint32_t localeId);

}  // namespace q7
