#include "core/config/addressfields.h"

#include "core/base/ascii.h"
#include "core/base/ipv4.h"

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

std::string plain(std::string_view caret)
{
    std::string text(caret);
    std::replace(text.begin(), text.end(), '^', ' ');
    return text;
}

// "[IP^Primary^DNS]" -> "IP Primary DNS", the field's name in messages.
std::string label(const Setting& setting)
{
    std::string text = plain(setting.key);
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

bool sameSetting(const Setting& setting, std::string_view section, std::string_view key)
{
    return equalIgnoringAsciiCase(plain(sectionName(setting.group)), section) &&
           equalIgnoringAsciiCase(plain(setting.key), key);
}

// The values of the file's keys that the address rules look at, as page fields.
FieldValues fieldsOf(const std::vector<ConfigEntry>& entries)
{
    FieldValues values;
    for (const Setting& setting : settings()) {
        if (!isAddressSetting(setting) && setting.field != kAutomaticIP)
            continue;
        const auto found = std::find_if(entries.begin(), entries.end(), [&](const ConfigEntry& entry) {
            return sameSetting(setting, entry.section, entry.key);
        });
        if (found != entries.end())
            values[std::string(setting.field)].text = found->value;
    }
    return values;
}

} // namespace

std::string addressProblem(const FieldValues& values)
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
        if (std::string problem = ipv4Problem(value->second.text, label(setting)); !problem.empty())
            return problem;
    }
    return {};
}

std::string addressProblem(const std::vector<ConfigEntry>& entries)
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
    struct Kept {
        const Setting* setting;
        std::string value;
        bool placed = false;
    };
    std::vector<Kept> kept;
    for (const std::string_view field : kOwnNetwork) {
        const Setting* setting = settingOf(field);
        const auto found = std::find_if(ownEntries.begin(), ownEntries.end(), [&](const ConfigEntry& entry) {
            return sameSetting(*setting, entry.section, entry.key);
        });
        if (found == ownEntries.end())
            return std::nullopt;
        kept.push_back({setting, found->value});
    }

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
            return std::nullopt; // a lone CR: lines this function cannot tell apart
        const size_t equals = line.find('=');
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']' && equals == std::string_view::npos) {
            section = line.substr(1, line.size() - 2);
        } else if (equals != std::string_view::npos && equals > 0) {
            for (Kept& k : kept) {
                if (sameSetting(*k.setting, section, line.substr(0, equals))) {
                    out.append(line.substr(0, equals + 1)).append(k.value).append(ending);
                    k.placed = true;
                    line = {};
                    ending = {};
                    break;
                }
            }
        }
        out.append(line).append(ending);
    }
    if (!std::all_of(kept.begin(), kept.end(), [](const Kept& k) { return k.placed; }))
        return std::nullopt;
    return out;
}

} // namespace q7::config
