#pragma once
// Text (UTF-16) to and from the 8-bit Windows code pages of the players' files, through ICU, and
// the rule that picks the system's 8-bit code page from the locale.

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace q7 {

// One of the five code pages the tool converts to: 1252 (Western), 950 (BIG5), 936 (GB2312),
// 932 (Shift-JIS), 949 (Korean). Conversions may run on any thread.
class CodePage {
public:
    // Throws std::invalid_argument for any other number.
    explicit CodePage(int windowsNumber);

    int number() const { return m_number; }
    // Bytes to text; bytes the code page does not define become replacement characters.
    std::u16string decode(std::string_view bytes) const;
    // Text to bytes; a character the code page cannot hold becomes "?" (counted in `substituted`;
    // default-ignorable characters such as U+00AD are dropped and not counted).
    std::string encode(std::u16string_view text, int* substituted = nullptr) const;
    // Every byte `from` that stands for a character of its own becomes `to`; the second byte of a
    // double-byte character is left alone even where it has the same value ('^' is one in 932).
    std::string replaceByte(std::string bytes, char from, char to) const;

private:
    int m_number;
    const char* m_converter;
    std::array<bool, 256> m_leadByte{};
};

// The Windows locale identifier of a POSIX locale name ("ja_JP.UTF-8" gives 0x0411); 0x0409
// (English, United States) for names it does not know.
uint16_t windowsLocaleId(std::string_view posixName);

// The double-byte code page of a Windows locale (only the low 16 bits count): 950 for Chinese
// (Taiwan), 936 for Chinese (PRC, Singapore), 932 for Japanese, 949 for Korean; 0 for any other.
int cjkCodePage(uint32_t localeId);

// The system's 8-bit code page on Linux, from the locale's name: the locale's double-byte code
// page, 1252 for every other locale. The text message page starts on the same choice.
int systemCodePage(std::string_view posixLocaleName);
// The locale name that decides it: the first of LC_ALL, LC_CTYPE and LANG that is set and not
// empty; empty when none is.
std::string environmentLocaleName();

// Values read from an 8-bit file, as the controls show them, and back into bytes. A value whose
// text is unchanged goes back as the very bytes it was read from, even where the code page could
// not decode them; changed text is converted into the code page.
class ByteKeeper {
public:
    explicit ByteKeeper(CodePage codePage) : m_codePage(codePage) {}

    const CodePage& codePage() const { return m_codePage; }
    // The text of `bytes`; bytes and text are remembered under `key` (replacing what it held).
    std::u16string decode(const std::string& key, const std::string& bytes);
    // The bytes remembered under `key` while `text` is what they decoded to; else `text` converted.
    std::string encode(std::string_view key, std::u16string_view text) const;

private:
    struct Read {
        std::string bytes;
        std::u16string text;
    };
    CodePage m_codePage;
    std::map<std::string, Read, std::less<>> m_read;
};

}  // namespace q7
