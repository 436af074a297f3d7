#pragma once
// The text message file: the typed text converted to the chosen code page, then CR LF. And how a
// message file is read back for display: by its byte-order mark, else in the system's code page.

#include <string>
#include <string_view>

namespace q7::messages {

// The items of the code page choice, in order.
enum CodePageItem { English = 0, Big5 = 1, Gb2312 = 2, ShiftJis = 3, Korean = 4 };
inline constexpr int kCodePageItems = 5;

// The most characters a text message holds (UTF-16 units, as the sheet's text field counts them).
inline constexpr int kTextMessageLength = 512;

// The Windows code page of an item; English is the system's own 8-bit code page.
int codePageOfItem(int item, int systemCodePage);

// `text` in `codePage` ("?" for what it cannot hold) followed by CR LF.
std::string messageFileBytes(std::u16string_view text, int codePage);
// How many characters of `text` the message file would hold as "?" in `codePage`: the operator is
// asked before they are sent so.
int substitutedCharacters(std::u16string_view text, int codePage);

// A message file's text: UTF-16 (either byte order) or UTF-8 after their byte-order marks,
// otherwise 8-bit text in the system's code page.
std::u16string messageFileText(std::string_view bytes, int systemCodePage);

}  // namespace q7::messages
