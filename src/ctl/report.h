#pragma once
// What q7ctl prints: aligned tables for people, one JSON object per line for scripts (--json),
// metrics for a monitoring system (OpenMetrics text).
// Texts handed in are UTF-8; bytes that are not valid UTF-8 are shown as U+FFFD (validUtf8 and
// jsonString of core/base/json.h).

#include "core/base/json.h"

#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace q7::ctl {

// One JSON object, built field by field.
class JsonObject {
public:
    JsonObject& add(std::string_view name, std::string_view text);
    JsonObject& add(std::string_view name, const char* text) { return add(name, std::string_view(text)); }
    JsonObject& add(std::string_view name, const std::string& text) { return add(name, std::string_view(text)); }
    JsonObject& add(std::string_view name, long long number);
    JsonObject& add(std::string_view name, int number) { return add(name, static_cast<long long>(number)); }
    JsonObject& add(std::string_view name, bool value);
    JsonObject& add(std::string_view name, const std::optional<std::string>& textOrNull);
    JsonObject& add(std::string_view name, const std::vector<std::string>& texts);
    JsonObject& add(std::string_view name, const JsonObject& object);
    JsonObject& add(std::string_view name, const std::vector<JsonObject>& objects);
    // Appends the fields of `other`.
    JsonObject& merge(const JsonObject& other);
    std::string text() const { return "{" + m_body + "}"; }

private:
    JsonObject& raw(std::string_view name, const std::string& json);
    std::string m_body;
};

// Valid UTF-8 that is safe on a terminal: control characters (C0, DEL and C1, such as the ESC of
// a sequence that clears the screen or sets the window title) are shown as \xNN / \u00NN.
std::string terminalText(std::string_view text);

// A table printed with every column as wide as its widest cell.
class Table {
public:
    explicit Table(std::vector<std::string> headers) : m_rows{std::move(headers)} {}
    void add(std::vector<std::string> row) { m_rows.push_back(std::move(row)); }
    bool empty() const { return m_rows.size() == 1; }
    void print(std::FILE* out = stdout) const;

private:
    std::vector<std::vector<std::string>> m_rows;
};

// Gauges in the OpenMetrics text format, which node_exporter's textfile collector also reads as
// Prometheus text: each family's HELP, TYPE (and UNIT) lines with its samples below them, label
// values escaped, "# EOF" at the end. Families are written in the order they are begun; help texts
// must hold no backslash, quote or line break (both formats escape them differently).
class MetricsText {
public:
    using Labels = std::vector<std::pair<std::string, std::string>>;  // name, UTF-8 value
    // Begins a gauge family; `unit` ("seconds") must also end its name.
    void gauge(std::string_view name, std::string_view help, std::string_view unit = {});
    // A sample of the family begun last; `value` as the format writes numbers ("1", "0.004").
    void sample(const Labels& labels, std::string_view value);
    std::string text() const { return m_text + "# EOF\n"; }

private:
    std::string m_text;
    std::string m_family;
};

// One player's part in one action.
struct Outcome {
    std::string address;
    std::string name;
    std::string action;  // "config get"
    bool done = false;
    std::string text; // "done" or "failed (reason)", in English: what --json gives
    std::chrono::milliseconds duration{0};
    JsonObject extra;  // what the action adds (the fetched file, a listing)
    std::string shown = {}; // `text` in the operator's language; empty: looked up (shownOutcome)
};

// The outcomes table, or one object per outcome.
void printOutcomes(const std::vector<Outcome>& outcomes, bool json);
JsonObject outcomeObject(const Outcome& outcome);
// An outcome's text for the table: its `shown`, else its English text in the operator's language.
std::string shownOutcome(const Outcome& outcome);
// "6.2 s"
std::string secondsText(std::chrono::milliseconds duration);
// "1 segment", "2 segments": the count in the text that fits it (%1 stands for the count).
std::string counted(long long count, std::string_view one, std::string_view many);
// Every outcome done.
bool allDone(const std::vector<Outcome>& outcomes);

}  // namespace q7::ctl
