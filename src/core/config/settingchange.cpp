#include "core/config/settingchange.h"

#include "core/base/ascii.h"
#include "core/base/ipv4.h"
#include "core/base/translatable.h"
#include "core/config/configfile.h"

#include <algorithm>
#include <charconv>

namespace q7::config {
namespace {

std::string plain(std::string_view caret)
{
    std::string text(caret);
    std::replace(text.begin(), text.end(), '^', ' ');
    return text;
}

std::string_view trimmed(std::string_view text, std::string_view junk)
{
    const size_t first = text.find_first_not_of(junk);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(junk) - first + 1);
}

// The field whose row caption names the setting: a time pair's caption is its hour's.
std::string_view labelField(const Setting& setting) { return setting.field.empty() ? setting.hour : setting.field; }

bool settable(const Setting& setting) { return setting.kind != Kind::Fixed && setting.kind != Kind::Version; }

// The tool's spelling of the key or the player's own.
bool keyMatches(const Setting& setting, std::string_view key)
{
    return equalIgnoringAsciiCase(plain(setting.key), key) ||
           (!setting.readFirst.empty() && equalIgnoringAsciiCase(plain(setting.readFirst), key));
}

bool sameKey(const Setting& setting, std::string_view section, std::string_view key)
{
    return equalIgnoringAsciiCase(plain(sectionName(setting.group)), section) && keyMatches(setting, key);
}

bool allDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "7:30" as two digit runs; nothing when it is not "digits:digits".
std::optional<std::pair<std::string_view, std::string_view>> timeParts(std::string_view value)
{
    const size_t colon = value.find(':');
    if (colon == std::string_view::npos || !allDigits(value.substr(0, colon)) || !allDigits(value.substr(colon + 1)))
        return std::nullopt;
    return std::pair{value.substr(0, colon), value.substr(colon + 1)};
}

std::string itemList(std::span<const std::string_view> items, size_t count)
{
    std::string text;
    for (size_t i = 0; i < count; ++i)
        text += (i ? ", " : "") + std::string(items[i]);
    return text;
}

std::optional<std::string_view> itemNamed(std::span<const std::string_view> items, size_t count, std::string_view value)
{
    for (size_t i = 0; i < count; ++i)
        if (equalIgnoringAsciiCase(items[i], value))
            return items[i];
    return std::nullopt;
}

// `pattern` names the setting in %1 and the value in %2 (cut, control bytes shown as '?'); `more`
// fills %3 on.
Accepted refused(const Setting& setting, std::string_view value, const char* pattern, std::vector<Phrase> more = {})
{
    std::string shown;
    for (const char c : value.substr(0, 64))
        shown += (c >= 0 && c < 0x20) || c == 0x7f ? '?' : c;
    std::vector<Phrase> arguments{Phrase::plain(settingLabel(setting)),
                                  Phrase::plain(shown + (value.size() > 64 ? "..." : ""))};
    arguments.insert(arguments.end(), more.begin(), more.end());
    return {{}, Phrase::problem(pattern, std::move(arguments))};
}

Accepted acceptedText(const Setting& setting, const FieldSpec& rules, std::string_view value)
{
    if (!std::all_of(value.begin(), value.end(), [&](char c) {
            return static_cast<unsigned char>(c) >= 0x80 || typedCharAccepted(rules.filter, char32_t(c));
        }))
        return refused(setting, value,
                       Q7_TRANSLATABLE("Problems", "%1: \"%2\" holds characters the field does not take"));
    if (rules.typingLimit > 0 && value.size() > size_t(rules.typingLimit))
        return refused(setting, value,
                       //: %3 is a number of characters.
                       Q7_TRANSLATABLE("Problems", "%1: \"%2\" is longer than the field's %3 characters"),
                       {Phrase::plain(std::to_string(rules.typingLimit))});
    if (rules.largest > 0) {
        int number = -1;
        const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), number);
        if (ec != std::errc() || end != value.data() + value.size() || number > rules.largest)
            return refused(setting, value, Q7_TRANSLATABLE("Problems", "%1: \"%2\" is not a number 0 to %3"),
                           {Phrase::plain(std::to_string(rules.largest))});
    }
    if (rules.filter == Filter::Address && !value.empty() && !isIPv4Address(value))
        return {{}, ipv4Problem(value, settingLabel(setting))};  // in the words of the one address rule
    return {std::string(value), {}};
}

}  // namespace

const Setting* settingNamed(std::string_view name)
{
    const std::string_view given = trimmed(name, " \t");
    const bool key = given.starts_with('[');
    const std::string_view label = trimmed(given, " \t:");
    for (const Setting& setting : settings()) {
        if (!settable(setting))
            continue;
        if (key ? keyMatches(setting, plain(given))
                : !label.empty() && equalIgnoringAsciiCase(settingLabel(setting), label))
            return &setting;
    }
    return nullptr;
}

std::string settingLabel(const Setting& setting)
{
    return std::string(trimmed(fieldLabel(labelField(setting)), " :"));
}

std::string settingKey(const Setting& setting) { return plain(setting.key); }

Accepted acceptedValue(const Setting& setting, std::string_view value)
{
    if (std::any_of(value.begin(), value.end(), [](char c) { return (c >= 0 && c < 0x20) || c == 0x7f; }))
        return refused(setting, value, Q7_TRANSLATABLE("Problems", "%1: \"%2\" holds control characters"));
    if (value.find('^') != std::string_view::npos)
        return refused(setting, value, Q7_TRANSLATABLE("Problems", "%1: \"%2\" holds '^', which the file cannot hold"));
    const FieldSpec& rules = fieldSpec(labelField(setting));
    switch (setting.kind) {
    case Kind::List:
    case Kind::ShownText:
        if (const auto item = itemNamed(rules.items, rules.items.size(), value))
            return {std::string(*item), {}};
        //: %3 lists the values the setting takes, as config.conf spells them.
        return refused(setting, value, Q7_TRANSLATABLE("Problems", "%1: \"%2\" is not one of %3"),
                       {Phrase::plain(itemList(rules.items, rules.items.size()))});
    case Kind::Schedule: {
        // Every item but the last, which stands for a time of day given as such.
        const size_t every = rules.items.size() - 1;
        if (const auto item = itemNamed(rules.items, every, value))
            return {std::string(*item), {}};
        const auto parts = timeParts(value);
        if (parts && parts->first.size() <= 2 && parts->second.size() <= 2 &&
            std::stoi(std::string(parts->first)) <= 23 && std::stoi(std::string(parts->second)) <= 59)
            return {normaliseTimePart(parts->first, 23) + ":" + normaliseTimePart(parts->second, 59), {}};
        //: %3 lists the values the setting takes, as config.conf spells them; HH:MM is typed as such.
        return refused(setting, value,
                       Q7_TRANSLATABLE("Problems", "%1: \"%2\" is not one of %3 or a time of day HH:MM"),
                       {Phrase::plain(itemList(rules.items, every))});
    }
    case Kind::TimePair:
        if (timeParts(value))
            return {std::string(value), {}};
        return refused(setting, value, Q7_TRANSLATABLE("Problems", "%1: \"%2\" is not a time HOUR:MINUTE in digits"));
    case Kind::Text:
    case Kind::AlwaysText:
        return acceptedText(setting, rules, value);
    case Kind::Fixed:
    case Kind::Version:
        break;
    }
    return refused(setting, value, Q7_TRANSLATABLE("Problems", "%1: \"%2\" is for no setting of the pages"));
}

std::optional<std::string> valueIn(const std::vector<ConfigEntry>& entries, const Setting& setting)
{
    // As the reader looks a setting up: the player's own spelling first, then the tool's.
    for (const std::string_view key : {setting.readFirst, setting.key}) {
        if (key.empty())
            continue;
        const auto found = std::find_if(entries.begin(), entries.end(), [&](const ConfigEntry& entry) {
            return equalIgnoringAsciiCase(plain(sectionName(setting.group)), entry.section) &&
                   equalIgnoringAsciiCase(plain(key), entry.key);
        });
        if (found != entries.end())
            return found->value;
    }
    return std::nullopt;
}

std::vector<SettingChange> settingChanges(const std::vector<ConfigEntry>& entries,
                                          const std::vector<SettingValue>& wanted)
{
    std::vector<SettingChange> changes;
    for (const SettingValue& want : wanted) {
        std::optional<std::string> before = valueIn(entries, *want.setting);
        if (before != want.value)
            changes.push_back({want.setting, std::move(before), want.value});
    }
    return changes;
}

std::optional<std::string> withValues(std::string_view bytes, const std::vector<SettingValue>& values)
{
    std::vector<bool> placed(values.size(), false);
    std::string out;
    std::string section;
    size_t at = 0;
    while (at < bytes.size()) {
        size_t end = bytes.find('\n', at);
        end = end == std::string_view::npos ? bytes.size() : end + 1;
        std::string_view line = bytes.substr(at, end - at);
        at = end;
        std::string_view ending;
        const size_t content = line.find_first_of("\r\n");
        if (content != std::string_view::npos) {
            ending = line.substr(content);
            line = line.substr(0, content);
        }
        if (ending.size() > 1 && ending != "\r\n")
            return std::nullopt;  // a lone CR: lines this function cannot tell apart
        const size_t equals = line.find('=');
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']' && equals == std::string_view::npos) {
            section = line.substr(1, line.size() - 2);
        } else if (equals != std::string_view::npos && equals > 0) {
            for (size_t k = 0; k < values.size(); ++k) {
                if (sameKey(*values[k].setting, section, line.substr(0, equals))) {
                    out.append(line.substr(0, equals + 1)).append(values[k].value).append(ending);
                    placed[k] = true;
                    line = {};
                    ending = {};
                    break;
                }
            }
        }
        out.append(line).append(ending);
    }
    if (!std::all_of(placed.begin(), placed.end(), [](bool p) { return p; }))
        return std::nullopt;
    return out;
}

}  // namespace q7::config
