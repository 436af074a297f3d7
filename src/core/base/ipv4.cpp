#include "core/base/ipv4.h"

#include "core/base/translatable.h"

namespace q7 {

bool isIPv4Address(std::string_view text)
{
    int parts = 0;
    size_t at = 0;
    for (;;) {
        size_t end = at;
        while (end < text.size() && text[end] >= '0' && text[end] <= '9')
            ++end;
        const size_t digits = end - at;
        if (digits == 0 || digits > 3 || (digits > 1 && text[at] == '0'))
            return false;
        int value = 0;
        for (size_t i = at; i < end; ++i)
            value = value * 10 + (text[i] - '0');
        if (value > 255)
            return false;
        ++parts;
        if (end == text.size())
            return parts == 4;
        if (text[end] != '.' || parts == 4)
            return false;
        at = end + 1;
    }
}

Phrase ipv4Problem(std::string_view text, std::string_view field)
{
    if (isIPv4Address(text))
        return {};
    std::string shown;
    for (const char c : text.substr(0, 64)) // a stored value may hold anything: control bytes are shown as '?'
        shown += static_cast<unsigned char>(c) < 0x20 || c == 0x7f ? '?' : c;
    return Phrase::problem(
        //: %1 names the field (IP Address, IP Mask, ...), %2 is the text given for it.
        Q7_TRANSLATABLE("Problems", "%1: \"%2\" is not an IPv4 address (four numbers 0 to 255, as 192.168.0.10)"),
        {Phrase::plain(std::string(field)), Phrase::plain(shown + (text.size() > 64 ? "..." : ""))});
}

} // namespace q7
