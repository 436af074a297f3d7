#pragma once
// A text for the operator that core composes (a problem with an address, a value, a file): one
// whole sentence marked with Q7_TRANSLATABLE, its %1 ... %9 filled by arguments, which may be
// phrases themselves (a reason inside the sentence) or shown as they are (a value, a path, a
// system error). english() is the text that logs, --json, files and the player history take; the
// window and q7ctl look each pattern up in the operator's language where they show it.

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace q7 {

struct Phrase {
    const char* context = nullptr;  // nothing: `pattern` is shown as it is, never looked up
    std::string pattern;
    std::vector<Phrase> arguments;

    static Phrase plain(std::string text) { return {nullptr, std::move(text), {}}; }
    // A problem's sentence, marked Q7_TRANSLATABLE("Problems", ...) where it is written.
    static Phrase problem(std::string pattern, std::vector<Phrase> arguments = {})
    {
        return {"Problems", std::move(pattern), std::move(arguments)};
    }
    bool empty() const { return pattern.empty(); }

    // The text with each pattern given by `lookUp` (context, English pattern) and each plain part
    // by `plainPart`, arguments filled in after their own look-up.
    using LookUp = std::function<std::string(const char* context, const std::string& pattern)>;
    using PlainPart = std::function<std::string(const std::string& text)>;
    std::string shown(const LookUp& lookUp, const PlainPart& plainPart) const;
    std::string english() const;
};

// `text` with %1 ... %9 replaced by `arguments` in one pass: a translation may order them as its
// language needs, and an argument holding "%2" stays as it is.
std::string fillPlaceholders(std::string_view text, std::span<const std::string_view> arguments);

}  // namespace q7
