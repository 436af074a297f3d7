#pragma once
// The catalog lookup as a module of its own, which q7ctl loads only when the operator's locale asks
// for a catalog language: in English it starts without Qt. Plain C entry points; no Qt type and no
// exception crosses them.

#include <cstddef>

namespace q7::translation {

// Loads the compiled catalog at `path` (a .qm file); false when it cannot be read.
using LoadCatalogFunction = bool (*)(const char* path) noexcept;
// The catalog's translation of `text` (UTF-8) under `context` (and `disambiguation`, which may be
// null): its length in bytes, of which at most `size` are copied into `out`; 0 when the catalog
// holds none (the English text is then shown).
using TranslateFunction = size_t (*)(const char* context, const char* text, const char* disambiguation, char* out,
                                     size_t size) noexcept;

inline constexpr const char* kTranslateModuleName = "q7ctl-translate.so";
inline constexpr const char* kLoadCatalogFunctionName = "q7LoadCatalog";
inline constexpr const char* kTranslateFunctionName = "q7Translate";

}  // namespace q7::translation
