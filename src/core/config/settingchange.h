#pragma once
// Settings changed by name in a player's config file, as `q7ctl config set` changes them: the
// setting a page label or file key names, whether the page would take a value for it, which key
// lines of a file it would change, and the file with those lines rewritten, every other line
// kept as the player wrote it.

#include "core/base/phrase.h"
#include "core/config/configdrift.h"
#include "core/config/settingtable.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace q7::config {

// The setting `name` names: its page label, with or without the " :" ("Volume", "Download List
// Time"), or its key as the file spells it, with spaces or carets ("[Volume]", "[Speaker Out]");
// letter case does not matter. Nothing for a name that is none, or a setting that is no page
// field ("[ENCRYPTION]", "[Version]").
const Setting* settingNamed(std::string_view name);
// "Volume": the page label without its " :".
std::string settingLabel(const Setting& setting);
// "[Scrolling Text Speed]": the key as the tool writes it.
std::string settingKey(const Setting& setting);

// A setting with its value as the file holds it (8-bit, in the file's code page).
struct SettingValue {
    const Setting* setting = nullptr;
    std::string value;
};

// `value` as the file holds it for `setting` (a list item in its own spelling, a scheduled time
// as HH:MM), or, in `problem`, why the page would not take it: a list takes its items only, a
// text field the characters its key filter passes, up to its typing limit and the largest
// number of its range note; an address field an IPv4 address or nothing; a time pair digits
// around ":". Control characters and '^' (which the file cannot hold) are refused everywhere.
struct Accepted {
    std::string value;
    Phrase problem;  // empty when accepted
};
Accepted acceptedValue(const Setting& setting, std::string_view value);

// A file's value of `setting` (the player's own spelling first); nothing when it has no key line.
std::optional<std::string> valueIn(const std::vector<ConfigEntry>& entries, const Setting& setting);

// One setting whose value would change; `before` is nothing where the file has no key line.
struct SettingChange {
    const Setting* setting = nullptr;
    std::optional<std::string> before;
    std::string after;
};
// The wanted values that differ from the file's, in the order wanted.
std::vector<SettingChange> settingChanges(const std::vector<ConfigEntry>& entries,
                                          const std::vector<SettingValue>& wanted);

// `bytes` (a config file) with every key line of each setting given the new value and every
// other line left as it is. Nothing when the file has no key line for one of them, or lines that
// end in a lone CR (which this cannot tell apart), so that no setting is lost unnoticed.
std::optional<std::string> withValues(std::string_view bytes, const std::vector<SettingValue>& values);

}  // namespace q7::config
