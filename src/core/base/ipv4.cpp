#include "core/base/ipv4.h"

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

std::string ipv4Problem(std::string_view text, std::string_view field)
{
    if (isIPv4Address(text))
        return {};
    std::string shown;
    for (const char c : text.substr(0, 64)) // a stored value may hold anything: control bytes are shown as '?'
        shown += static_cast<unsigned char>(c) < 0x20 || c == 0x7f ? '?' : c;
    return std::string(field) + ": \"" + shown + (text.size() > 64 ? "..." : "") +
           "\" is not an IPv4 address (four numbers 0 to 255, as 192.168.0.10)";
}

} // namespace q7
