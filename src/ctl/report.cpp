#include "ctl/report.h"

#include "core/base/translatable.h"
#include "ctl/translate.h"

#include <algorithm>
#include <cstdint>

namespace q7::ctl {
namespace {

// The outcomes of one word (the sequence's, and config set's).
constexpr const char* kOutcomeWords[] = {
    //: A player's outcome: it went through every step of the command.
    Q7_TRANSLATABLE("q7ctl", "done"),
    Q7_TRANSLATABLE("q7ctl", "waiting"),
    Q7_TRANSLATABLE("q7ctl", "running"),
    //: config set: the player's settings were changed.
    Q7_TRANSLATABLE("q7ctl", "changed"),
    //: config set: the player already had the values asked for.
    Q7_TRANSLATABLE("q7ctl", "unchanged"),
    //: config set --check: the player's settings would be changed.
    Q7_TRANSLATABLE("q7ctl", "would change"),
};

// A failure's reason in the operator's language: the transfer's reason (core/transfer) after the
// step that failed ("put /saveconfig: timed out"), which stays as it is, or q7ctl's own.
std::string shownReason(std::string_view reason)
{
    const size_t colon = reason.find(": ");
    const bool step = (reason.starts_with("put /") || reason.starts_with("get /")) && colon != std::string_view::npos;
    const std::string_view prefix = step ? reason.substr(0, colon + 2) : std::string_view();
    const std::string_view rest = reason.substr(prefix.size());
    std::string shown = translate("Transfers", rest);
    if (shown == rest)
        shown = translate("q7ctl", rest);
    return std::string(prefix) + shown;
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
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.1f", double(duration.count()) / 1000.0);
    //: A time in seconds ("6.2 s").
    return fill(translate("q7ctl", "%1 s"), {seconds});
}

std::string counted(long long count, std::string_view one, std::string_view many)
{
    return fill(count == 1 ? one : many, {std::to_string(count)});
}

std::string shownOutcome(const Outcome& outcome)
{
    const std::string_view text = outcome.text;
    if (!outcome.shown.empty())
        return outcome.shown;
    if (std::find(std::begin(kOutcomeWords), std::end(kOutcomeWords), text) != std::end(kOutcomeWords))
        return translate("q7ctl", text);
    if (text.starts_with("failed (") && text.ends_with(")"))
        return fill(translate("q7ctl", "failed (%1)"), {shownReason(text.substr(8, text.size() - 9))});
    return std::string(text);
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
    //: Column headers of the outcomes table (upper case, as the other tables' headers).
    Table table({translate("q7ctl", "ADDRESS"), translate("q7ctl", "NAME"), translate("q7ctl", "ACTION"),
                 translate("q7ctl", "OUTCOME"), translate("q7ctl", "TIME")});
    for (const Outcome& outcome : outcomes)
        table.add(
            {outcome.address, outcome.name, outcome.action, shownOutcome(outcome), secondsText(outcome.duration)});
    table.print();
}

bool allDone(const std::vector<Outcome>& outcomes)
{
    return std::all_of(outcomes.begin(), outcomes.end(), [](const Outcome& outcome) { return outcome.done; });
}

void MetricsText::gauge(std::string_view name, std::string_view help, std::string_view unit)
{
    m_family = name;
    m_text += "# HELP " + m_family + " " + std::string(help) + "\n# TYPE " + m_family + " gauge\n";
    if (!unit.empty())
        m_text += "# UNIT " + m_family + " " + std::string(unit) + "\n";
}

void MetricsText::sample(const Labels& labels, std::string_view value)
{
    m_text += m_family;
    const char* separator = "{";
    for (const auto& [name, text] : labels) {
        m_text += separator + name + "=\"";
        for (const char c : validUtf8(text))
            m_text += c == '\\' ? "\\\\" : c == '"' ? "\\\"" : c == '\n' ? "\\n" : std::string(1, c);
        m_text += '"';
        separator = ",";
    }
    m_text += (labels.empty() ? " " : "} ") + std::string(value) + "\n";
}

}  // namespace q7::ctl
