#pragma once
// The command line of q7ctl: subcommands with their own options beside the shared ones, parsed in
// one pass, and the help texts. A subcommand is one entry of the table in subcommands.cpp.

#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace q7::ctl {

// Bad input: a one-line message on standard error and exit status 2; nothing is sent.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// Help texts are marked Q7_TRANSLATABLE("q7ctl help", ...) and shown in the operator's language;
// names, synopses and option values stay as typed.
struct OptionSpec {
    std::string_view name;   // "--out"
    std::string_view value;  // what it takes ("DIR"); empty for a flag
    std::string_view help;
    bool repeatable = false;
    std::string_view helpArgument = {}; // what %1 in the help stands for
};

class Session;

// Which of the shared options a subcommand takes, beside --json and --help that all take.
enum Shared : unsigned {
    kSettings = 1,   // --settings FILE
    kTargets = 2,    // --player NAME|ADDRESS..., --all
    kTransfers = 4,  // --port PORT, --wait SECONDS, --parallel N
};

struct Subcommand {
    std::string_view name;                // "config get"
    std::string_view synopsis;            // what follows the name in the usage line
    std::string_view summary;             // one line for the overview
    std::string_view help;                // the rest of its --help
    std::span<const OptionSpec> options;  // its own, beside the shared ones
    unsigned shared;                      // Shared bits
    int (*run)(Session& session);
    std::string_view helpArgument = {}; // what %1 in the help stands for
};

// What the command line gave the subcommand.
class Arguments {
public:
    const std::vector<std::string>& words() const { return m_words; }
    // The one word the subcommand takes (`what` names it in the error when it is missing or more).
    const std::string& word(std::string_view what) const;
    bool flag(std::string_view name) const;
    std::optional<std::string> value(std::string_view name) const;  // the last one given
    std::vector<std::string> values(std::string_view name) const;   // all, in order

private:
    friend struct Invocation;
    std::vector<std::string> m_words;
    std::vector<std::pair<std::string, std::string>> m_options;  // flags with an empty value
};

struct Invocation {
    const Subcommand* subcommand = nullptr;  // none: the overview (or a group's list)
    std::string group;                       // "config" when only the group was named
    Arguments arguments;
    bool help = false;
    bool version = false;

    // Throws UsageError for an unknown subcommand or option, a missing or repeated value.
    static Invocation parse(std::span<const Subcommand> table, const std::vector<std::string>& args);
};

std::string overviewText(std::span<const Subcommand> table, std::string_view group = {});
std::string helpText(const Subcommand& subcommand);

}  // namespace q7::ctl
