#pragma once
// What q7ctl prints: aligned tables for people, one JSON object per line for scripts (--json).
// Texts handed in are UTF-8; bytes that are not valid UTF-8 are shown as U+FFFD (validUtf8 and
// jsonString of core/base/json.h).

#include "core/base/json.h"

#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
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

// One player's part in one action.
struct Outcome {
    std::string address;
    std::string name;
    std::string action;  // "config get"
    bool done = false;
    std::string text;  // "done" or "failed (reason)"
    std::chrono::milliseconds duration{0};
    JsonObject extra;  // what the action adds (the fetched file, a listing)
};

// The outcomes table, or one object per outcome.
void printOutcomes(const std::vector<Outcome>& outcomes, bool json);
JsonObject outcomeObject(const Outcome& outcome);
// "6.2 s"
std::string secondsText(std::chrono::milliseconds duration);
// "1 segment", "2 segments": the count with the word that fits it.
std::string counted(long long count, std::string_view one, std::string_view many);
// Every outcome done.
bool allDone(const std::vector<Outcome>& outcomes);

}  // namespace q7::ctl
