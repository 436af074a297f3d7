#pragma once
// The player's config file as data: every page field (items, default, typing rules) and every
// setting of the file (section, key, kind, the fields it comes from). The writer, the reader and
// the Configuration tab all work from these two tables.

#include "core/base/translatable.h"

#include <array>
#include <span>
#include <string_view>

namespace q7::config {

// The five groups of the file, in file order.
enum class Group { Network, Misc1, Misc2, Misc3, AudioVideo };
inline constexpr std::array kGroups{Group::Network, Group::Misc1, Group::Misc2, Group::Misc3, Group::AudioVideo};

// Section name in caret form ("NETWORK^SETTING"): the form the store sees.
std::string_view sectionName(Group group);

// Which typed characters a text field takes.
enum class Filter {
    None,
    Address,  // "." and digits
    Digit,    // digits
    Speed,    // "1" to "3"
};
// Backspace and the filter's characters pass; control keys other than backspace are not typing and pass too.
bool typedCharAccepted(Filter filter, char32_t c);

struct FieldSpec {
    std::string_view name;                  // objectName of the control
    std::span<const std::string_view> items;  // list fields only, in list order
    std::string_view defaultText;           // for a list field: the default item
    int typingLimit = 0;                    // characters that can be typed; 0 for no limit
    Filter filter = Filter::None;
    int largest = 0;                        // a number field's largest value, as its range note says; 0: none

    bool isList() const { return !items.empty(); }
    int defaultItem() const;  // index of defaultText among the items, -1 for a text field
};

// Every list and text field of the five pages, page by page.
std::span<const FieldSpec> fieldSpecs();
// The def of a field; the name must be one of fieldSpecs().
const FieldSpec& fieldSpec(std::string_view name);
// The caption of the page row that holds a field, as the page shows it ("Volume :"); empty for a
// field that has no row of its own (the minute of a time pair, the NTP server address).
std::string_view fieldLabel(std::string_view name);

// How a setting's value is made from its fields, and applied to them when read.
enum class Kind {
    List,       // displayed text; read back as the equal item, else left alone
    Text,       // text as typed; read back in caret form, left alone when absent
    AlwaysText, // as Text, but an absent key empties the field
    ShownText,  // a list field read back as displayed text without matching items; absent empties it
    Fixed,      // a constant the page does not hold; never read
    Schedule,   // the download time: a list item, or hour:minute when "Schedule" is chosen
    TimePair,   // hour + ":" + minute as typed; an absent key empties both
    Version,    // read only, into the version label
};

struct Setting {
    Group group;
    std::string_view key;          // caret form, as written ("[NetWork^Type]")
    Kind kind;
    std::string_view field = {};   // the list or text field, or the label of Version
    std::string_view hour = {};    // Schedule and TimePair
    std::string_view minute = {};
    std::string_view readFirst = {};  // a spelling looked up before key (the player's own)
    std::string_view constant = {};   // Fixed
};

// Every setting in file order; Version last in its group, as it is never written.
std::span<const Setting> settings();

inline constexpr std::string_view kVersionLabel = "FWVersion";
//: Before the firmware version of the player whose configuration the pages hold.
inline constexpr std::string_view kVersionPrefix = Q7_TRANSLATABLE("Settings", "Version : ");

}  // namespace q7::config
