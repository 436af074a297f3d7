#include "config/configfile.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace fs = std::filesystem;

namespace q7::config {
namespace {

FieldValue& field(FieldValues& values, std::string_view name)
{
    if (auto it = values.find(name); it != values.end())
        return it->second;
    return values.emplace(std::string(name), FieldValue{}).first->second;
}

std::string replaced(std::string text, char from, char to)
{
    std::replace(text.begin(), text.end(), from, to);
    return text;
}

// A value is one line of the file: a line break or Ctrl-Z (end of file to every reader) pasted into
// a field would cut the file apart, so they are written as spaces.
std::string oneLine(std::string value)
{
    for (char& c : value)
        if (c == '\r' || c == '\n' || c == '\x1a')
            c = ' ';
    return value;
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

void applyValue(const Setting& setting, const std::string& value, FieldValues& values)
{
    switch (setting.kind) {
    case Kind::List:
        if (!value.empty())
            choose(values, setting.field, replaced(value, '^', ' '));
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
        std::string shown = replaced(value, '^', ' ');
        const int index = itemIndex(setting.field, shown);
        field(values, setting.field) = {std::move(shown), index};
        break;
    }
    case Kind::Schedule:
        if (!value.empty() && !choose(values, setting.field, replaced(value, '^', ' '))) {
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

std::string ioMessage(const std::string& what, const std::string& path, const std::string& why)
{
    return what + " \"" + path + "\": " + why;
}

void writeFileBytes(const std::string& path, const std::string& bytes)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        throw IniError(ioMessage("Cannot create file", path, std::strerror(errno)));
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const int err = errno;
    if (std::fclose(f) != 0 || !written)
        throw IniError(ioMessage("Cannot write file", path, std::strerror(written ? errno : err)));
}

// Every line of `bytes` as the store reads it, with `from` turned into `to`, ended with CR LF.
std::string convertLines(const std::string& bytes, char from, char to)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 16);
    for (std::string& line : iniSplitLines(bytes))
        out.append(replaced(std::move(line), from, to)).append("\r\n");
    return out;
}

void removeQuietly(const std::string& path)
{
    std::error_code ec;
    fs::remove(path, ec);
}

// The store would add the new keys to a leftover temporary file, and it finds one of any letter
// case, so every such file goes before the writers start.
void removeStaleTemporary(const std::string& temporary)
{
    for (;;) {
        const std::string found = resolveCaseInsensitive(temporary);
        std::error_code ec;
        const fs::file_status status = fs::symlink_status(found, ec);
        if (!fs::exists(status))
            return;
        if (fs::is_directory(status))
            throw IniError(ioMessage("Cannot use the temporary file", found, "a folder is in the way"));
        if (!fs::remove(found, ec))
            throw IniError(ioMessage("Cannot delete the old temporary file", found, ec.message()));
    }
}

// Only a regular file of config size is worth reading: a device or pipe could be endless.
void requireConfigSizedFile(const std::string& path)
{
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec)
        throw IniError(ioMessage("Cannot open file", path, ec.message()));
    if (fs::is_directory(status))
        throw IniError(ioMessage("Cannot open file", path, "it is a folder"));
    if (!fs::is_regular_file(status))
        throw IniError(ioMessage("Cannot open file", path, "it is not a regular file"));
    if (fs::file_size(path, ec) > kMaxConfigFileBytes && !ec)
        throw IniError("\"" + path + "\" is not a config file: it is larger than 1 MB.");
}

// Text that the store could only misread: binary data, or no section of a config file at all
// (which is also what a file with lone CR line ends looks like).
void requireConfigText(const std::string& path, const std::string& caretForm)
{
    if (caretForm.find('\0') != std::string::npos)
        throw IniError("\"" + path + "\" is not a config file: it holds binary data (NUL bytes).");
    const auto lines = iniSplitLines(caretForm);
    const bool anySection = std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
        return std::any_of(kGroups.begin(), kGroups.end(),
                           [&](Group g) { return iniIsHeader(line, sectionName(g)); });
    });
    if (!anySection)
        throw IniError("\"" + path +
                       "\" is not a config file: it has none of the sections [NETWORK SETTING], [MISC1], [MISC2], "
                       "[MISC3] and [AUDIO & VIDEO].");
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
            file.writeValue(sectionName(group), it->key, oneLine(valueToWrite(*it, values)));
}

void readGroup(Group group, IniValues& file, FieldValues& values)
{
    for (const Setting& setting : settings())
        if (setting.group == group && setting.kind != Kind::Fixed)
            applyValue(setting, lookUp(file, setting), values);
}

void copyToCaretForm(const std::string& source)
{
    writeFileBytes(source + ".tmp", convertLines(readFileBytes(source), ' ', '^'));
}

void copyFromCaretForm(const std::string& target)
{
    writeFileBytes(target, convertLines(readFileBytes(target + ".tmp"), '^', ' '));
}

void saveConfigFile(IniStore& store, const std::string& target, FieldValues& values)
{
    const std::string temporary = target + ".tmp";
    removeStaleTemporary(temporary);
    store.setFileName(temporary);
    try {
        for (Group group : kGroups)
            writeGroup(group, values, store);
        copyFromCaretForm(target);
    } catch (const IniError&) {
        removeQuietly(temporary);
        throw;
    }
    removeQuietly(temporary);
}

void openConfigFile(const std::string& source, FieldValues& values)
{
    requireConfigSizedFile(source);
    const std::string temporary = source + ".tmp";
    copyToCaretForm(source);  // on failure nothing of ours needs removing: a temporary file is never reused
    std::string caretForm;
    try {
        caretForm = readFileBytes(temporary);
    } catch (const IniError&) {
        removeQuietly(temporary);
        throw;
    }
    removeQuietly(temporary);
    requireConfigText(source, caretForm);

    // The copy is read once; the readers then look up some forty keys in memory.
    IniDocument file(std::move(caretForm));
    FieldValues read = values;
    for (Group group : kGroups)
        readGroup(group, file, read);
    values = std::move(read);
}

}  // namespace q7::config
