#pragma once
// The window's texts in the operator's language: the tool's catalog and Qt's own (the standard
// dialogs' buttons and words), installed on the application.

#include <string>
#include <vector>

namespace q7 {

// Installs the catalogs of `language` (a catalog language of core/settings/uilanguage.h; "" for
// English), replacing those installed before. The tool's catalog is the first found in `folders`.
// Returns false when the tool's catalog is not found: the window then stays in English.
bool installTranslators(const std::string& language, const std::vector<std::string>& folders);

}  // namespace q7
