#include "core/base/phrase.h"

namespace q7 {

std::string Phrase::shown(const LookUp& lookUp, const PlainPart& plainPart) const
{
    if (!context)
        return plainPart(pattern);
    std::vector<std::string> filled;
    for (const Phrase& argument : arguments)
        filled.push_back(argument.shown(lookUp, plainPart));
    const std::vector<std::string_view> views(filled.begin(), filled.end());
    return fillPlaceholders(lookUp(context, pattern), views);
}

std::string Phrase::english() const
{
    return shown([](const char*, const std::string& pattern) { return pattern; },
                 [](const std::string& text) { return text; });
}

std::string fillPlaceholders(std::string_view text, std::span<const std::string_view> arguments)
{
    std::string filled;
    for (size_t at = 0; at < text.size(); ++at) {
        const char next = at + 1 < text.size() ? text[at + 1] : '\0';
        if (text[at] == '%' && next >= '1' && next <= '9' && size_t(next - '1') < arguments.size()) {
            filled += arguments[size_t(next - '1')];
            ++at;
        } else {
            filled += text[at];
        }
    }
    return filled;
}

}  // namespace q7
