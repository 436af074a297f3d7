#include "ctl/report.h"

#include <algorithm>
#include <cstdint>

namespace q7::ctl {
namespace {

// Length of the UTF-8 sequence starting at `at`, or 0 when it is not a valid one.
size_t sequenceLength(std::string_view text, size_t at)
{
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(text[i]); };
    const uint8_t lead = byte(at);
    if (lead < 0x80)
        return 1;
    const size_t length = (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : (lead & 0xF8) == 0xF0 ? 4 : 0;
    if (length == 0)
        return 0;
    uint32_t code = lead & (0x7F >> length);
    if (at + length > text.size())
        return 0;
    for (size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        code = code << 6 | (byte(at + i) & 0x3F);
    }
    static constexpr uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

size_t displayWidth(std::string_view text)
{
    return size_t(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<uint8_t>(c) & 0xC0) != 0x80; }));
}

}  // namespace

std::string validUtf8(std::string_view text)
{
    std::string out;
    for (size_t at = 0; at < text.size();) {
        const size_t length = sequenceLength(text, at);
        if (length == 0) {
            out += "\xEF\xBF\xBD";
            ++at;
        } else {
            out.append(text.substr(at, length));
            at += length;
        }
    }
    return out;
}

std::string jsonString(std::string_view text)
{
    std::string out = "\"";
    for (const char c : validUtf8(text)) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<uint8_t>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", unsigned(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

std::string terminalText(std::string_view text)
{
    std::string out;
    const std::string valid = validUtf8(text);
    for (size_t at = 0; at < valid.size(); ++at) {
        const auto byte = static_cast<uint8_t>(valid[at]);
        char escaped[8];
        if (byte < 0x20 || byte == 0x7F) {
            std::snprintf(escaped, sizeof escaped, "\\x%02x", unsigned(byte));
            out += escaped;
        } else if (byte == 0xC2 && at + 1 < valid.size() && static_cast<uint8_t>(valid[at + 1]) < 0xA0) {
            std::snprintf(escaped, sizeof escaped, "\\u%04x", unsigned(static_cast<uint8_t>(valid[++at])));
            out += escaped;
        } else {
            out += valid[at];
        }
    }
    return out;
}

JsonObject& JsonObject::raw(std::string_view name, const std::string& json)
{
    if (!m_body.empty())
        m_body += ",";
    m_body += jsonString(name) + ":" + json;
    return *this;
}

JsonObject& JsonObject::add(std::string_view name, std::string_view text) { return raw(name, jsonString(text)); }
JsonObject& JsonObject::add(std::string_view name, long long number) { return raw(name, std::to_string(number)); }
JsonObject& JsonObject::add(std::string_view name, bool value) { return raw(name, value ? "true" : "false"); }

JsonObject& JsonObject::add(std::string_view name, const std::optional<std::string>& textOrNull)
{
    return raw(name, textOrNull ? jsonString(*textOrNull) : "null");
}

JsonObject& JsonObject::add(std::string_view name, const std::vector<std::string>& texts)
{
    std::string list = "[";
    for (const std::string& text : texts)
        list += (list.size() > 1 ? "," : "") + jsonString(text);
    return raw(name, list + "]");
}

JsonObject& JsonObject::add(std::string_view name, const JsonObject& object) { return raw(name, object.text()); }

JsonObject& JsonObject::merge(const JsonObject& other)
{
    if (!other.m_body.empty())
        m_body += (m_body.empty() ? "" : ",") + other.m_body;
    return *this;
}

void Table::print(std::FILE* out) const
{
    std::vector<size_t> widths;
    for (const auto& row : m_rows)
        for (size_t column = 0; column < row.size(); ++column) {
            widths.resize(std::max(widths.size(), column + 1));
            widths[column] = std::max(widths[column], displayWidth(terminalText(row[column])));
        }
    for (const auto& row : m_rows) {
        std::string line;
        for (size_t column = 0; column < row.size(); ++column) {
            const std::string cell = terminalText(row[column]);
            line += cell;
            if (column + 1 < row.size())
                line += std::string(widths[column] - displayWidth(cell) + 2, ' ');
        }
        std::fprintf(out, "%s\n", line.c_str());
    }
}

std::string secondsText(std::chrono::milliseconds duration)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s", double(duration.count()) / 1000.0);
    return text;
}

JsonObject outcomeObject(const Outcome& outcome)
{
    JsonObject object;
    object.add("address", outcome.address)
        .add("name", outcome.name)
        .add("action", outcome.action)
        .add("ok", outcome.done)
        .add("outcome", outcome.text)
        .add("duration_ms", static_cast<long long>(outcome.duration.count()));
    return object.merge(outcome.extra);
}

void printOutcomes(const std::vector<Outcome>& outcomes, bool json)
{
    if (json) {
        for (const Outcome& outcome : outcomes)
            std::printf("%s\n", outcomeObject(outcome).text().c_str());
        return;
    }
    Table table({"ADDRESS", "NAME", "ACTION", "OUTCOME", "TIME"});
    for (const Outcome& outcome : outcomes)
        table.add({outcome.address, outcome.name, outcome.action, outcome.text, secondsText(outcome.duration)});
    table.print();
}

bool allDone(const std::vector<Outcome>& outcomes)
{
    return std::all_of(outcomes.begin(), outcomes.end(), [](const Outcome& outcome) { return outcome.done; });
}

}  // namespace q7::ctl
