#include "core/config/configfile.h"

#include "core/base/textfile.h"
#include "core/base/translatable.h"

#include <algorithm>
#include <charconv>

namespace q7::config {
namespace {

FieldValue& field(FieldValues& values, std::string_view name)
{
    if (auto it = values.find(name); it != values.end())
        return it->second;
    return values.emplace(std::string(name), FieldValue{}).first->second;
}

int itemIndex(std::string_view name, std::string_view text)
{
    const auto items = fieldSpec(name).items;
    const auto it = std::find(items.begin(), items.end(), text);
    return it == items.end() ? -1 : int(it - items.begin());
}

// Makes `text` the chosen item of a list field when it equals one of the items (case matters).
bool choose(FieldValues& values, std::string_view name, const std::string& text)
{
    const int index = itemIndex(name, text);
    if (index >= 0)
        field(values, name) = {text, index};
    return index >= 0;
}

// Hour and minute around the colon, so that "7:5" (power times are written as typed) comes back
// as it was written; without a colon, characters 1-2 and 4-5 as far as they go.
void splitTime(const std::string& value, const Setting& setting, FieldValues& values)
{
    std::string hour = value.substr(0, 2);
    std::string minute = value.size() > 3 ? value.substr(3, 2) : std::string();
    if (const auto colon = value.find(':'); colon != std::string::npos) {
        hour = value.substr(0, colon);
        minute = value.substr(colon + 1, value.find(':', colon + 1) - colon - 1);
    }
    field(values, setting.hour).text = std::move(hour);
    field(values, setting.minute).text = std::move(minute);
}

std::string valueToWrite(const Setting& setting, FieldValues& values)
{
    switch (setting.kind) {
    case Kind::Fixed:
        return std::string(setting.constant);
    case Kind::Schedule: {
        std::string& hour = field(values, setting.hour).text;
        std::string& minute = field(values, setting.minute).text;
        hour = normaliseTimePart(hour, 23);
        minute = normaliseTimePart(minute, 59);
        const FieldValue& choice = field(values, setting.field);
        const bool scheduled = choice.chosen == int(fieldSpec(setting.field).items.size()) - 1;
        return scheduled ? hour + ":" + minute : choice.text;
    }
    case Kind::TimePair:
        return field(values, setting.hour).text + ":" + field(values, setting.minute).text;
    default:
        return field(values, setting.field).text;
    }
}

// Empty when the key is missing or has no value; the player's own spelling is tried first.
std::string lookUp(IniValues& file, const Setting& setting)
{
    const std::string_view section = sectionName(setting.group);
    std::string value;
    if (!setting.readFirst.empty())
        value = file.readValue(section, setting.readFirst);
    if (value.empty())
        value = file.readValue(section, setting.key);
    return value;
}

// Carets back to spaces, in the file's code page (a '^' inside a double-byte character stays).
std::string spaced(const CodePage& codePage, const std::string& value) { return codePage.replaceByte(value, '^', ' '); }

void applyValue(const Setting& setting, const std::string& value, FieldValues& values, const CodePage& codePage)
{
    switch (setting.kind) {
    case Kind::List:
        if (!value.empty())
            choose(values, setting.field, spaced(codePage, value));
        break;
    case Kind::Text:
        if (!value.empty())
            field(values, setting.field).text = value;
        break;
    case Kind::AlwaysText:
        field(values, setting.field).text = value;
        break;
    case Kind::ShownText: {
        // Any text is shown; the list points at the item it names, if it names one.
        std::string shown = spaced(codePage, value);
        const int index = itemIndex(setting.field, shown);
        field(values, setting.field) = {std::move(shown), index};
        break;
    }
    case Kind::Schedule:
        if (!value.empty() && !choose(values, setting.field, spaced(codePage, value))) {
            splitTime(value, setting, values);
            choose(values, setting.field, std::string(fieldSpec(setting.field).items.back()));
        }
        break;
    case Kind::TimePair:
        splitTime(value, setting, values);
        break;
    case Kind::Version:
        field(values, setting.field).text = std::string(kVersionPrefix) + value;
        break;
    case Kind::Fixed:
        break;
    }
}

// Every line of `bytes` as the store reads it, with `from` turned into `to`, ended with CR LF.
std::string convertLines(std::string_view bytes, char from, char to, const CodePage& codePage)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 16);
    for (std::string& line : splitLines(bytes))
        out.append(codePage.replaceByte(std::move(line), from, to)).append("\r\n");
    return out;
}

void removeQuietly(const std::string& path)
{
    try {
        removeWorkingFile(path);
    } catch (const FileError&) {
        // a folder of that name is not ours to remove
    }
}

// Text that the store could only misread: binary data, or no section of a config file at all
// (which is also what a file with lone CR line ends looks like).
void requireConfigText(const std::string& path, const std::string& caretForm)
{
    if (caretForm.find('\0') != std::string::npos)
        throw IniError(Phrase::problem(
            Q7_TRANSLATABLE("Problems", "\"%1\" is not a config file: it holds binary data (NUL bytes)."),
            {Phrase::plain(path)}));
    const auto lines = splitLines(caretForm);
    const bool anySection = std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
        return std::any_of(kGroups.begin(), kGroups.end(),
                           [&](Group g) { return iniIsHeader(line, sectionName(g)); });
    });
    if (!anySection)
        throw IniError(Phrase::problem(
            //: The names in brackets are those of config.conf: they stay as they are.
            Q7_TRANSLATABLE("Problems", "\"%1\" is not a config file: it has none of the sections [NETWORK SETTING], "
                                        "[MISC1], [MISC2], [MISC3] and [AUDIO & VIDEO]."),
            {Phrase::plain(path)}));
}

}  // namespace

FieldValues defaultFieldValues()
{
    FieldValues values;
    for (const FieldSpec& def : fieldSpecs())
        values[std::string(def.name)] = {std::string(def.defaultText), def.defaultItem()};
    values[std::string(kVersionLabel)].text = kVersionPrefix;
    return values;
}

std::string normaliseTimePart(std::string_view text, int largest)
{
    int number = -1;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (ec != std::errc() || end != text.data() + text.size() || number < 0 || number > largest)
        return "00";
    return {char('0' + number / 10), char('0' + number % 10)};
}

void writeGroup(Group group, FieldValues& values, IniValues& file)
{
    const auto all = settings();
    for (auto it = all.rbegin(); it != all.rend(); ++it)
        if (it->group == group && it->kind != Kind::Version)
            // A line break or Ctrl-Z (end of file to every reader) pasted into a field is written as a space.
            file.writeValue(sectionName(group), it->key, asOneLine(valueToWrite(*it, values)));
}

void readGroup(Group group, IniValues& file, FieldValues& values, const CodePage& codePage)
{
    for (const Setting& setting : settings())
        if (setting.group == group && setting.kind != Kind::Fixed)
            applyValue(setting, lookUp(file, setting), values, codePage);
}

std::string toCaretForm(std::string_view bytes, const CodePage& codePage)
{
    return convertLines(bytes, ' ', '^', codePage);
}

std::string fromCaretForm(std::string_view bytes, const CodePage& codePage)
{
    return convertLines(bytes, '^', ' ', codePage);
}

void readCaretForm(const std::string& source, std::string caretForm, FieldValues& values, const CodePage& codePage)
{
    requireConfigText(source, caretForm);
    // The copy is read once; the readers then look up some forty keys in memory.
    IniDocument file(std::move(caretForm));
    FieldValues read = values;
    for (Group group : kGroups)
        readGroup(group, file, read, codePage);
    values = std::move(read);
}

void copyToCaretForm(const std::string& source, const CodePage& codePage)
{
    writeWorkingFile(source + ".tmp", toCaretForm(readTextFile(source, kMaxConfigFileBytes), codePage));
}

void copyFromCaretForm(const std::string& target, const CodePage& codePage)
{
    // The target's own ".tmp" is also the name under which the new target is written beside it:
    // the caret form is read in full first, and that name is gone once the target is in place.
    const std::string plain = fromCaretForm(readTextFile(target + ".tmp"), codePage);
    replaceTextFile(target, plain, {.refuseReadOnly = true, .sync = true});
}

void saveConfigFile(IniStore& store, const std::string& target, FieldValues& values, const CodePage& codePage)
{
    // The store would add the new keys to a leftover temporary file, so exactly that one goes
    // first; names that differ only in letter case belong to someone else.
    const std::string temporary = target + ".tmp";
    removeWorkingFile(temporary);
    store.setFileName(temporary);
    try {
        for (Group group : kGroups)
            writeGroup(group, values, store);
        copyFromCaretForm(target, codePage);
    } catch (const IniError&) {
        removeQuietly(temporary);
        throw;
    }
    removeQuietly(temporary);
}

void openConfigFile(const std::string& source, FieldValues& values, const CodePage& codePage)
{
    const std::string temporary = source + ".tmp";
    copyToCaretForm(source, codePage);  // refuses what is not a regular config-sized file before writing
    std::string caretForm;
    try {
        caretForm = readTextFile(temporary);
    } catch (const IniError&) {
        removeQuietly(temporary);
        throw;
    }
    removeQuietly(temporary);
    readCaretForm(source, std::move(caretForm), values, codePage);
}

std::string readConfigFileBytes(const std::string& path, const CodePage& codePage)
{
    std::string bytes = readTextFile(path, kMaxConfigFileBytes);
    requireConfigText(path, toCaretForm(bytes, codePage));
    return bytes;
}

}  // namespace q7::config
