#pragma once
// Picks the text message's code page item from the system locale, by its Windows locale identifier
// (see windowsLocaleId in base/codepage.h).

#include <cstdint>

namespace q7 {

// Index into the code page list: 1 BIG5, 2 GB2312, 3 Shift-JIS, 4 Korean, 0 English (the system's
// own 8-bit code page). The item follows the same rule as systemCodePage.
int codePageItemForLocale(uint32_t localeId);

}  // namespace q7
