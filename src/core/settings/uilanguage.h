#pragma once
// Which language the window and q7ctl speak, and where their catalogs are. Both programs decide
// here, by the rule Qt's QLocale::uiLanguages follows on Linux, so that they always agree and q7ctl
// can decide before (and without) loading Qt.

#include <functional>
#include <string>
#include <vector>

namespace q7 {

// The catalog languages, as the catalogs' file names spell them (translations/q7_<language>.ts).
inline constexpr const char* kCatalogLanguages[] = {"zh_TW", "zh_CN", "ja", "ko"};

// The catalog the operator's locale asks for, or "" for English: LANGUAGE's entries in order (a
// colon-separated list, honoured even under the C locale, as Qt does), then the first set of
// LC_ALL, LC_MESSAGES and LANG. The first entry in English, C or POSIX, or in one of the catalog
// languages decides; entries in other languages are passed over. Chinese follows its region or
// script: Taiwan, Hong Kong, Macau and Hant read Traditional, every other Simplified.
using EnvironmentLookup = std::function<const char*(const char*)>;
std::string catalogLanguage(const EnvironmentLookup& lookup);
std::string catalogLanguage();  // from this process's environment

// The catalog's file for a language: "q7_ja.qm".
std::string catalogFileName(const std::string& language);

// Where the compiled catalogs are looked for: "translations" beside the program (the build tree
// gives each program one), then the installed folder, relative to the program.
std::vector<std::string> catalogFolders();

}  // namespace q7
