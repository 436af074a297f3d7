#include "core/settings/uilanguage.h"

#include "core/base/programfolder.h"

#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace q7 {

namespace {

// One locale entry ("zh_TW.UTF-8", "ja", "zh-Hant", "en_GB@euro") as a catalog language; "" for
// English, "?" for a language without a catalog.
std::string entryLanguage(std::string_view entry)
{
    entry = entry.substr(0, entry.find_first_of(".@"));
    if (entry.empty() || entry == "C" || entry == "POSIX")
        return "";
    const size_t cut = entry.find_first_of("_-");
    const std::string_view language = entry.substr(0, cut);
    const std::string_view rest = cut == std::string_view::npos ? std::string_view() : entry.substr(cut + 1);
    if (language == "en")
        return "";
    if (language == "ja" || language == "ko")
        return std::string(language);
    if (language == "zh") {
        for (std::string_view traditional : {"TW", "HK", "MO", "Hant"})
            if (rest.find(traditional) != std::string_view::npos)
                return "zh_TW";
        return "zh_CN";
    }
    return "?";
}

}  // namespace

std::string catalogLanguage(const EnvironmentLookup& lookup)
{
    std::vector<std::string_view> entries;
    const char* languageList = lookup("LANGUAGE");
    std::string_view list = languageList ? languageList : "";
    while (!list.empty()) {
        const size_t colon = list.find(':');
        entries.push_back(list.substr(0, colon));
        list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = lookup(name);
        if (value && *value) {
            entries.push_back(value);
            break;
        }
    }
    for (std::string_view entry : entries) {
        if (entry.empty())
            continue;
        std::string language = entryLanguage(entry);
        if (language != "?")
            return language;
    }
    return "";
}

std::string catalogLanguage()
{
    return catalogLanguage([](const char* name) { return static_cast<const char*>(std::getenv(name)); });
}

std::string catalogFileName(const std::string& language)
{
    return "q7_" + language + ".qm";
}

std::vector<std::string> catalogFolders()
{
    const std::filesystem::path program = programFolder();
    return {(program / "translations").string(), (program / Q7_CATALOG_DIR).lexically_normal().string()};
}

}  // namespace q7
