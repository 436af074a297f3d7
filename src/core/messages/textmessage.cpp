#include "core/messages/textmessage.h"

#include "core/base/codepage.h"

#include <unicode/ucnv.h>

namespace q7::messages {
namespace {

std::u16string convertWithIcu(const char* converterName, std::string_view bytes)
{
    UErrorCode status = U_ZERO_ERROR;
    UConverter* converter = ucnv_open(converterName, &status);
    if (U_FAILURE(status))
        return {};
    std::u16string text(bytes.size() + 1, u'\0');
    status = U_ZERO_ERROR;
    const int32_t length = ucnv_toUChars(converter, text.data(), int32_t(text.size()), bytes.data(),
                                         int32_t(bytes.size()), &status);
    ucnv_close(converter);
    text.resize(U_SUCCESS(status) ? size_t(length) : 0);
    return text;
}

}  // namespace

int codePageOfItem(int item, int systemCodePage)
{
    switch (item) {
    case Big5: return 950;
    case Gb2312: return 936;
    case ShiftJis: return 932;
    case Korean: return 949;
    default: return systemCodePage;
    }
}

std::string messageFileBytes(std::u16string_view text, int codePage)
{
    return CodePage(codePage).encode(text) + "\r\n";
}

int substitutedCharacters(std::u16string_view text, int codePage)
{
    int substituted = 0;
    CodePage(codePage).encode(text, &substituted);
    return substituted;
}

std::u16string messageFileText(std::string_view bytes, int systemCodePage)
{
    if (bytes.starts_with("\xFF\xFE"))
        return convertWithIcu("UTF-16LE", bytes.substr(2));
    if (bytes.starts_with("\xFE\xFF"))
        return convertWithIcu("UTF-16BE", bytes.substr(2));
    if (bytes.starts_with("\xEF\xBB\xBF"))
        return convertWithIcu("UTF-8", bytes.substr(3));
    return CodePage(systemCodePage).decode(bytes);
}

}  // namespace q7::messages
