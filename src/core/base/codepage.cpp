#include "core/base/codepage.h"

#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <type_traits>
#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <utility>

namespace q7 {
namespace {

static_assert(std::is_same_v<UChar, char16_t>, "ICU must use char16_t for UTF-16");

// ICU's tables for the Windows code pages; the short aliases ("cp950", "cp949") open IBM tables.
const char* converterName(int number)
{
    switch (number) {
    case 1252: return "ibm-5348_P100-1997";
    case 950: return "windows-950-2000";
    case 936: return "windows-936-2000";
    case 932: return "ibm-943_P15A-2003";
    case 949: return "windows-949-2000";
    default: throw std::invalid_argument("unknown code page " + std::to_string(number));
    }
}

struct CloseConverter {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, CloseConverter>;

// A converter of its own for every conversion: ICU converters keep state and are not shared
// between threads, and opening one from ICU's cached tables is cheap.
Converter openConverter(const char* name)
{
    UErrorCode error = U_ZERO_ERROR;
    Converter converter(ucnv_open(name, &error));
    if (U_FAILURE(error))
        throw std::runtime_error(std::string("ICU has no converter ") + name + ": " + u_errorName(error));
    return converter;
}

// ICU's table for 932 moves three control codes around: U+001A is written as 7F, U+001C as 1A and
// U+007F as 1C. Windows keeps each at its own byte, so the bytes are moved back on the way out
// and ahead on the way in. None of the three bytes can be part of a double-byte character in 932.
char fromIcu932(char byte)
{
    switch (byte) {
    case '\x7f': return '\x1a';
    case '\x1a': return '\x1c';
    case '\x1c': return '\x7f';
    default: return byte;
    }
}

char toIcu932(char byte)
{
    switch (byte) {
    case '\x1a': return '\x7f';
    case '\x1c': return '\x1a';
    case '\x7f': return '\x1c';
    default: return byte;
    }
}

}  // namespace

CodePage::CodePage(int windowsNumber) : m_number(windowsNumber), m_converter(converterName(windowsNumber))
{
    UBool starters[256] = {};
    UErrorCode error = U_ZERO_ERROR;
    ucnv_getStarters(openConverter(m_converter).get(), starters, &error);
    if (U_SUCCESS(error))
        for (size_t i = 0; i < m_leadByte.size(); ++i)
            m_leadByte[i] = starters[i];
}

std::u16string CodePage::decode(std::string_view bytes) const
{
    if (bytes.empty())
        return {};
    std::string input(bytes);
    if (m_number == 932)
        for (char& byte : input)
            byte = toIcu932(byte);
    const Converter converter = openConverter(m_converter);
    std::u16string text(2 * input.size(), u'\0');  // every byte gives at most two code units
    UErrorCode error = U_ZERO_ERROR;
    const int32_t length = ucnv_toUChars(converter.get(), text.data(), int32_t(text.size()), input.data(),
                                         int32_t(input.size()), &error);
    text.resize(U_SUCCESS(error) ? size_t(length) : 0);
    return text;
}

namespace {

// ICU's own substitution, counting the characters it stands "?" for.
void countingSubstitute(const void* context, UConverterFromUnicodeArgs* args, const UChar* units, int32_t length,
                        UChar32 codePoint, UConverterCallbackReason reason, UErrorCode* error)
{
    const bool counts = reason == UCNV_UNASSIGNED || reason == UCNV_ILLEGAL || reason == UCNV_IRREGULAR;
    if (counts && !u_hasBinaryProperty(codePoint, UCHAR_DEFAULT_IGNORABLE_CODE_POINT))
        ++*static_cast<int*>(const_cast<void*>(context));
    UCNV_FROM_U_CALLBACK_SUBSTITUTE(nullptr, args, units, length, codePoint, reason, error);
}

}  // namespace

std::string CodePage::encode(std::u16string_view text, int* substituted) const
{
    int count = 0;
    if (substituted)
        *substituted = 0;
    if (text.empty())
        return {};
    const Converter converter = openConverter(m_converter);
    UErrorCode error = U_ZERO_ERROR;
    ucnv_setSubstChars(converter.get(), "?", 1, &error);
    if (substituted)
        ucnv_setFromUCallBack(converter.get(), countingSubstitute, &count, nullptr, nullptr, &error);
    std::string bytes(size_t(UCNV_GET_MAX_BYTES_FOR_STRING(text.size(), ucnv_getMaxCharSize(converter.get()))), '\0');
    const int32_t length = ucnv_fromUChars(converter.get(), bytes.data(), int32_t(bytes.size()), text.data(),
                                           int32_t(text.size()), &error);
    bytes.resize(U_SUCCESS(error) ? size_t(length) : 0);
    if (m_number == 932)
        for (char& byte : bytes)
            byte = fromIcu932(byte);
    if (substituted)
        *substituted = count;
    return bytes;
}

std::string CodePage::replaceByte(std::string bytes, char from, char to) const
{
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (m_leadByte[static_cast<unsigned char>(bytes[i])])
            ++i;  // the pair is one character
        else if (bytes[i] == from)
            bytes[i] = to;
    }
    return bytes;
}

uint16_t windowsLocaleId(std::string_view posixName)
{
    // Drop ".codeset" and "@modifier": "zh_TW.UTF-8@x" -> "zh_TW".
    const auto cut = posixName.find_first_of(".@");
    const std::string_view name = posixName.substr(0, cut);

    static constexpr std::array<std::pair<std::string_view, uint16_t>, 34> kIds{{
        {"zh_TW", 0x0404}, {"zh_CN", 0x0804}, {"zh_HK", 0x0C04}, {"zh_SG", 0x1004}, {"zh_MO", 0x1404},
        {"ja_JP", 0x0411}, {"ko_KR", 0x0412}, {"en_US", 0x0409}, {"en_GB", 0x0809}, {"en_AU", 0x0C09},
        {"en_CA", 0x1009}, {"de_DE", 0x0407}, {"de_AT", 0x0C07}, {"de_CH", 0x0807}, {"fr_FR", 0x040C},
        {"fr_CA", 0x0C0C}, {"fr_BE", 0x080C}, {"it_IT", 0x0410}, {"es_ES", 0x0C0A}, {"es_MX", 0x080A},
        {"nl_NL", 0x0413}, {"pt_BR", 0x0416}, {"pt_PT", 0x0816}, {"ru_RU", 0x0419}, {"pl_PL", 0x0415},
        {"sv_SE", 0x041D}, {"tr_TR", 0x041F}, {"th_TH", 0x041E}, {"vi_VN", 0x042A}, {"id_ID", 0x0421},
        // Language alone: the country where the language's main code page is at home.
        {"zh", 0x0804}, {"ja", 0x0411}, {"ko", 0x0412}, {"en", 0x0409},
    }};
    for (const auto& [posix, id] : kIds)
        if (posix == name)
            return id;
    const std::string_view language = name.substr(0, name.find('_'));
    for (const auto& [posix, id] : kIds)
        if (posix == language)
            return id;
    return 0x0409;
}

int cjkCodePage(uint32_t localeId)
{
    switch (localeId & 0xFFFF) {
    case 0x0404: return 950;  // Chinese (Taiwan): BIG5
    case 0x0804:              // Chinese (PRC) uses GB2312 just as Singapore does
    case 0x1004: return 936;  // Chinese (Singapore)
    case 0x0411: return 932;  // Japanese: Shift-JIS
    case 0x0412: return 949;  // Korean
    default: return 0;
    }
}

int systemCodePage(std::string_view posixLocaleName)
{
    const int cjk = cjkCodePage(windowsLocaleId(posixLocaleName));
    return cjk != 0 ? cjk : 1252;
}

std::string environmentLocaleName()
{
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"})
        if (const char* value = std::getenv(variable); value && *value)
            return value;
    return {};
}

std::u16string ByteKeeper::decode(const std::string& key, const std::string& bytes)
{
    Read& read = m_read[key];
    read.bytes = bytes;
    read.text = m_codePage.decode(bytes);
    return read.text;
}

std::string ByteKeeper::encode(std::string_view key, std::u16string_view text) const
{
    if (const auto it = m_read.find(key); it != m_read.end() && it->second.text == text)
        return it->second.bytes;
    return m_codePage.encode(text);
}

}  // namespace q7
