#pragma once
// q7ctl in the operator's language: the texts it prints for people are looked up in the catalog
// that the locale asks for (core/settings/uilanguage.h), shared with the window. English, the source,
// needs no catalog and loads nothing; a missing module or catalog leaves q7ctl in English. What
// scripts read (--json, metrics, file contents, option and command names) is never looked up.
//
// lupdate extracts the texts of translate("context", "text") calls, and of Q7_TRANSLATABLE in
// tables (core/base/translatable.h) that are looked up when printed. Contexts: "q7ctl" for
// messages, "q7ctl help" for the help texts, "Problems" for the phrases of core (core/base/phrase.h).

#include "core/base/phrase.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace q7::ctl {

// `text` (UTF-8) in the operator's language; itself unless a catalog translates it.
std::string translate(const char* context, std::string_view text);
// A phrase of core in the operator's language, its plain parts (values, paths) through
// `plainPart` when given, else as they are.
std::string translate(const Phrase& phrase, const Phrase::PlainPart& plainPart = {});

// `text` with %1 ... %9 replaced by `arguments` (see fillPlaceholders).
std::string fill(std::string_view text, std::initializer_list<std::string_view> arguments);

// How many columns `text` (UTF-8) takes on a terminal: two for each East Asian wide or fullwidth
// character, one for each other.
size_t displayWidth(std::string_view text);

}  // namespace q7::ctl
