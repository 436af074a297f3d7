#include "core/config/addressfields.h"

#include "core/base/ascii.h"
#include "core/base/ipv4.h"
#include "core/config/settingchange.h"

#include <algorithm>
#include <array>

namespace q7::config {
namespace {

constexpr std::string_view kAutomaticIP = "AutomaticIP";
constexpr std::string_view kFixedItem = "Off";
// Required with a fixed address; the others may stay empty.
constexpr std::array<std::string_view, 2> kRequiredWhenFixed{"IPAddress", "IPMask"};
// The player's own network settings, kept by withOwnNetwork.
constexpr std::array<std::string_view, 6> kOwnNetwork{"AutomaticIP", "IPAddress",    "IPMask",
                                                      "IPGateway",   "IPPrimaryDNS", "IPSecondaryDNS"};

// "[IP^Primary^DNS]" -> "IP Primary DNS", the field's name in messages.
std::string label(const Setting& setting)
{
    const std::string text = settingKey(setting);
    return text.size() >= 2 ? text.substr(1, text.size() - 2) : text;
}

bool isAddressSetting(const Setting& setting)
{
    return setting.kind == Kind::Text && fieldSpec(setting.field).filter == Filter::Address;
}

const Setting* settingOf(std::string_view field)
{
    for (const Setting& setting : settings())
        if (setting.field == field)
            return &setting;
    return nullptr;
}

// The values of the file's keys that the address rules look at, as page fields.
FieldValues fieldsOf(const std::vector<ConfigEntry>& entries)
{
    FieldValues values;
    for (const Setting& setting : settings()) {
        if (!isAddressSetting(setting) && setting.field != kAutomaticIP)
            continue;
        if (std::optional<std::string> value = valueIn(entries, setting))
            values[std::string(setting.field)].text = std::move(*value);
    }
    return values;
}

} // namespace

Phrase addressProblem(const FieldValues& values)
{
    const bool fixed = fixedAddress(values);
    for (const Setting& setting : settings()) {
        if (!isAddressSetting(setting))
            continue;
        const auto value = values.find(setting.field);
        if (value == values.end())
            continue;
        const bool required = fixed && std::find(kRequiredWhenFixed.begin(), kRequiredWhenFixed.end(), setting.field) !=
                                           kRequiredWhenFixed.end();
        if (value->second.text.empty() && !required)
            continue;
        if (Phrase problem = ipv4Problem(value->second.text, label(setting)); !problem.empty())
            return problem;
    }
    return {};
}

Phrase addressProblem(const std::vector<ConfigEntry>& entries)
{
    return addressProblem(fieldsOf(entries));
}

bool fixedAddress(const FieldValues& values)
{
    const auto automatic = values.find(kAutomaticIP);
    return automatic != values.end() && equalIgnoringAsciiCase(automatic->second.text, kFixedItem);
}

bool fixedAddress(const std::vector<ConfigEntry>& entries)
{
    return fixedAddress(fieldsOf(entries));
}

std::optional<std::string> withOwnNetwork(std::string_view bytes, std::string_view own)
{
    const std::vector<ConfigEntry> ownEntries = configEntries(own);
    std::vector<SettingValue> kept;
    for (const std::string_view field : kOwnNetwork) {
        const Setting* setting = settingOf(field);
        std::optional<std::string> value = valueIn(ownEntries, *setting);
        if (!value)
            return std::nullopt;
        kept.push_back({setting, std::move(*value)});
    }
    return withValues(bytes, kept);
}

} // namespace q7::config
