#include "ctl/report.h"

#include <algorithm>
#include <cstdint>

namespace q7::ctl {
namespace {

size_t displayWidth(std::string_view text)
{
    return size_t(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<uint8_t>(c) & 0xC0) != 0x80; }));
}

}  // namespace

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

JsonObject& JsonObject::add(std::string_view name, const std::vector<JsonObject>& objects)
{
    std::string list = "[";
    for (const JsonObject& object : objects)
        list += (list.size() > 1 ? "," : "") + object.text();
    return raw(name, list + "]");
}

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

std::string counted(long long count, std::string_view one, std::string_view many)
{
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
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
