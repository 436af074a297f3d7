#pragma once
// Writing the settings pages to a player config file and reading one back, on a plain model of
// the page fields. Section names, keys and text pass through the settings store in caret form
// (every space written as '^'); the file itself is turned into and out of that form around it.
// Values are the file's bytes, in the system's 8-bit code page, which the caret form respects.

#include "core/base/codepage.h"
#include "core/base/inistore.h"
#include "core/config/settingtable.h"

#include <map>
#include <string>
#include <string_view>

namespace q7::config {

// What a page field shows: its text (8-bit, as in the file) and, for a list field, the chosen item.
struct FieldValue {
    std::string text;
    int chosen = -1;

    bool operator==(const FieldValue&) const = default;
};
// Page fields by objectName; the version label is kept under kVersionLabel with its whole text.
using FieldValues = std::map<std::string, FieldValue, std::less<>>;

// Every field at its default, and the version label at its initial text.
FieldValues defaultFieldValues();

// A scheduled hour (largest 23) or minute (largest 59) as two digits; anything that is not a
// whole number in range becomes "00".
std::string normaliseTimePart(std::string_view text, int largest);

// The group's keys through the store, last key first, so that each lands below its header in file
// order. The scheduled download time is normalised in `values` first, so the page can show it.
void writeGroup(Group group, FieldValues& values, IniValues& file);
// Applies the group's keys found in a caret-form file to `values`.
void readGroup(Group group, IniValues& file, FieldValues& values, const CodePage& codePage);

// The caret form of a file's bytes: every line as the store reads it (base/textfile.h), each space
// that stands for a character of its own turned into '^', ended with CR LF. fromCaretForm turns
// every such '^' back into a space the same way.
std::string toCaretForm(std::string_view bytes, const CodePage& codePage);
std::string fromCaretForm(std::string_view bytes, const CodePage& codePage);

// The five groups of a config file's caret form read into `values`. Throws IniError naming
// `source` when the text is no config file (NUL bytes, none of the five sections); `values` is
// then untouched.
void readCaretForm(const std::string& source, std::string caretForm, FieldValues& values, const CodePage& codePage);

// File operations of the caret form; both throw IniError. copyToCaretForm writes source + ".tmp";
// copyFromCaretForm reads target + ".tmp" and replaces target in one step (a read-only target is
// refused, a link stays a link). Lines are written with CR LF.
void copyToCaretForm(const std::string& source, const CodePage& codePage);
void copyFromCaretForm(const std::string& target, const CodePage& codePage);

// Save Config File: the five groups through `store`, which is left naming target + ".tmp" (a stale
// file of exactly that name is removed first, and the file is gone afterwards), then the target
// in plain form. Throws IniError; the target is only replaced once its whole content is known.
void saveConfigFile(IniStore& store, const std::string& target, FieldValues& values, const CodePage& codePage);

// Open Config File: reads the five groups of `source` into `values`. Throws IniError when the
// file cannot be read or is no config file (not a regular file, binary data, over 1 MiB, none of
// the five sections); `values` is then untouched.
void openConfigFile(const std::string& source, FieldValues& values, const CodePage& codePage);

// The bytes of `path` when it is a config file by the rules of openConfigFile, without writing
// anything beside it; throws IniError saying why not.
std::string readConfigFileBytes(const std::string& path, const CodePage& codePage);

inline constexpr std::size_t kMaxConfigFileBytes = 1 << 20;

}  // namespace q7::config
