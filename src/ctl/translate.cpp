#include "ctl/translate.h"

#include "core/settings/uilanguage.h"
#include "ctl/module.h"
#include "translate/translatemodule.h"

#include <filesystem>
#include <unicode/uchar.h>
#include <unicode/utf8.h>

namespace q7::ctl {
namespace {

using namespace translation;

// The lookup of the catalog the locale asks for; null in English, or when the module or the
// catalog cannot be had (q7ctl then speaks English rather than fail).
TranslateFunction catalogLookup()
{
    const std::string language = catalogLanguage();
    if (language.empty())
        return nullptr;
    for (const std::string& folder : catalogFolders()) {
        const std::filesystem::path catalog = std::filesystem::path(folder) / catalogFileName(language);
        std::error_code ec;
        if (!std::filesystem::is_regular_file(catalog, ec))
            continue;
        std::string problem;
        const auto load = reinterpret_cast<LoadCatalogFunction>(
            moduleFunction(kTranslateModuleName, kLoadCatalogFunctionName, problem));
        const auto lookup =
            reinterpret_cast<TranslateFunction>(moduleFunction(kTranslateModuleName, kTranslateFunctionName, problem));
        return load && lookup && load(catalog.c_str()) ? lookup : nullptr;
    }
    return nullptr;
}

}  // namespace

std::string translate(const char* context, std::string_view text)
{
    static const TranslateFunction lookup = catalogLookup();
    if (!lookup)
        return std::string(text);
    const std::string source(text);
    std::string translated(2 * source.size() + 16, '\0');
    const size_t size = lookup(context, source.c_str(), nullptr, translated.data(), translated.size());
    if (size == 0)
        return source;
    if (size > translated.size()) {
        translated.resize(size);
        lookup(context, source.c_str(), nullptr, translated.data(), translated.size());
    }
    translated.resize(size);
    return translated;
}

std::string translate(const Phrase& phrase, const Phrase::PlainPart& plainPart)
{
    return phrase.shown([](const char* context, const std::string& pattern) { return translate(context, pattern); },
                        [&](const std::string& text) { return plainPart ? plainPart(text) : text; });
}

std::string fill(std::string_view text, std::initializer_list<std::string_view> arguments)
{
    return fillPlaceholders(text, std::span(arguments.begin(), arguments.size()));
}

size_t displayWidth(std::string_view text)
{
    size_t width = 0;
    for (int32_t at = 0; at < int32_t(text.size());) {
        UChar32 c = 0;
        U8_NEXT(text.data(), at, int32_t(text.size()), c);
        const int eastAsian = c >= 0 ? u_getIntPropertyValue(c, UCHAR_EAST_ASIAN_WIDTH) : U_EA_NEUTRAL;
        width += eastAsian == U_EA_WIDE || eastAsian == U_EA_FULLWIDTH ? 2 : 1;
    }
    return width;
}

}  // namespace q7::ctl
