#include "ctl/cli.h"

#include <algorithm>

namespace q7::ctl {
namespace {

constexpr OptionSpec kCommonOptions[] = {
    {"--json", "", "one JSON object per line instead of a table"},
    {"--help", "", "this help"},
};
constexpr OptionSpec kSettingsOptions[] = {
    {"--settings", "FILE",
     "the settings file that lists the players (default: Q7_Configuration_V3.ini in the current folder, "
     "found in any letter case)"},
};
constexpr OptionSpec kTargetOptions[] = {
    {"--player", "NAME|ADDRESS", "a listed player, by its address or its name (repeatable)", true},
    {"--all", "", "every listed player"},
};
constexpr OptionSpec kTransferOptions[] = {
    {"--port", "PORT", "the players' TFTP port (default: Q7_TFTP_PORT, else 69)"},
    {"--wait", "SECONDS", "wait this long wherever the players are given a fixed time to act"},
    {"--parallel", "N", "at most N transfers at once, the next starting as one ends (default: all at once)"},
};

// The options a subcommand takes, in the order its help lists them; all shared ones for none.
std::vector<OptionSpec> allowedOptions(const Subcommand* subcommand)
{
    std::vector<OptionSpec> options;
    if (subcommand)
        options.assign(subcommand->options.begin(), subcommand->options.end());
    const unsigned shared = subcommand ? subcommand->shared : kSettings | kTargets | kTransfers;
    if (shared & kSettings)
        options.insert(options.end(), std::begin(kSettingsOptions), std::end(kSettingsOptions));
    if (shared & kTargets)
        options.insert(options.end(), std::begin(kTargetOptions), std::end(kTargetOptions));
    if (shared & kTransfers)
        options.insert(options.end(), std::begin(kTransferOptions), std::end(kTransferOptions));
    options.insert(options.end(), std::begin(kCommonOptions), std::end(kCommonOptions));
    return options;
}

const OptionSpec* findOption(const std::vector<OptionSpec>& options, std::string_view name)
{
    const auto it = std::find_if(options.begin(), options.end(), [&](const OptionSpec& o) { return o.name == name; });
    return it == options.end() ? nullptr : &*it;
}

std::string joined(const std::vector<std::string>& words)
{
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : " ") + word;
    return text;
}

constexpr size_t kHelpColumn = 26;

std::string optionLines(const std::vector<OptionSpec>& options)
{
    std::string text;
    for (const OptionSpec& option : options) {
        std::string head = "  " + std::string(option.name);
        if (!option.value.empty())
            head += " " + std::string(option.value);
        head.resize(std::max<size_t>(head.size() + 2, kHelpColumn), ' ');
        // The help wraps at word boundaries within 100 columns, continued under itself.
        std::string line = head;
        for (size_t at = 0; at < option.help.size();) {
            size_t end = option.help.find(' ', at);
            end = end == std::string_view::npos ? option.help.size() : end;
            const std::string_view word = option.help.substr(at, end - at);
            if (line.size() > kHelpColumn && line.size() + 1 + word.size() > 100) {
                text += line + "\n";
                line = std::string(kHelpColumn, ' ');
            } else if (line.size() > kHelpColumn) {
                line += ' ';
            }
            line += word;
            at = end + 1;
        }
        text += line + "\n";
    }
    return text;
}

}  // namespace

const std::string& Arguments::word(std::string_view what) const
{
    if (m_words.empty())
        throw UsageError("missing " + std::string(what));
    if (m_words.size() > 1)
        throw UsageError("one " + std::string(what) + " only, not also '" + m_words[1] + "'");
    return m_words.front();
}

bool Arguments::flag(std::string_view name) const
{
    return std::any_of(m_options.begin(), m_options.end(), [&](const auto& option) { return option.first == name; });
}

std::optional<std::string> Arguments::value(std::string_view name) const
{
    std::optional<std::string> found;
    for (const auto& [option, value] : m_options)
        if (option == name)
            found = value;
    return found;
}

std::vector<std::string> Arguments::values(std::string_view name) const
{
    std::vector<std::string> found;
    for (const auto& [option, value] : m_options)
        if (option == name)
            found.push_back(value);
    return found;
}

Invocation Invocation::parse(std::span<const Subcommand> table, const std::vector<std::string>& args)
{
    Invocation invocation;
    std::vector<std::string> named;  // the words that name the subcommand so far
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            if (arg == "--help" || arg == "-h") {
                invocation.help = true;
                continue;
            }
            if (arg == "--version" && !invocation.subcommand) {
                invocation.version = true;
                continue;
            }
            const size_t equals = arg.find('=');
            const std::string name = arg.substr(0, equals);
            const std::vector<OptionSpec> allowed = allowedOptions(invocation.subcommand);
            const OptionSpec* known = findOption(allowed, name);
            if (!known)
                throw UsageError("unknown option " + name +
                                 (invocation.subcommand ? " for '" + std::string(invocation.subcommand->name) + "'"
                                                        : std::string()));
            std::string value;
            if (known->value.empty()) {
                if (equals != std::string::npos)
                    throw UsageError(name + " takes no value");
            } else if (equals != std::string::npos) {
                value = arg.substr(equals + 1);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                throw UsageError(name + " needs a value (" + std::string(known->value) + ")");
            }
            invocation.arguments.m_options.emplace_back(name, std::move(value));
            continue;
        }
        if (invocation.subcommand) {
            invocation.arguments.m_words.push_back(arg);
            continue;
        }
        named.push_back(arg);
        const std::string name = joined(named);
        const auto exact =
            std::find_if(table.begin(), table.end(), [&](const Subcommand& s) { return s.name == name; });
        if (exact != table.end()) {
            invocation.subcommand = &*exact;
            continue;
        }
        const bool group = std::any_of(table.begin(), table.end(),
                                       [&](const Subcommand& s) { return s.name.starts_with(name + " "); });
        if (!group)
            throw UsageError("unknown command '" + name + "'");
    }
    if (!invocation.subcommand && !named.empty())
        invocation.group = joined(named);

    // Options given before the subcommand was named must be ones it takes as well.
    if (invocation.subcommand && !invocation.help) {
        const std::vector<OptionSpec> allowed = allowedOptions(invocation.subcommand);
        for (const auto& [name, value] : invocation.arguments.m_options) {
            const OptionSpec* known = findOption(allowed, name);
            if (!known)
                throw UsageError("unknown option " + name + " for '" + std::string(invocation.subcommand->name) + "'");
            if (!known->repeatable && invocation.arguments.values(name).size() > 1)
                throw UsageError(name + " given more than once");
        }
    }
    return invocation;
}

std::string overviewText(std::span<const Subcommand> table, std::string_view group)
{
    std::string text = "usage: q7ctl " + (group.empty() ? std::string("COMMAND") : std::string(group) + " COMMAND") +
                       " [OPTIONS]\n\nScripts what the Q7 Configuration Tool does to the players of its list.\n\n"
                       "Commands:\n";
    for (const Subcommand& s : table) {
        if (!group.empty() && !s.name.starts_with(std::string(group) + " "))
            continue;
        std::string head = "  " + std::string(s.name);
        head.resize(std::max<size_t>(head.size() + 2, 18), ' ');
        text += head + std::string(s.summary) + "\n";
    }
    text += "\nRun 'q7ctl COMMAND --help' for its options. Exit status: 0 when every player succeeded, 1 when any\n"
            "failed, 2 for a usage error.\n";
    return text;
}

std::string helpText(const Subcommand& subcommand)
{
    std::string text = "usage: q7ctl " + std::string(subcommand.name);
    if (!subcommand.synopsis.empty())
        text += " " + std::string(subcommand.synopsis);
    text += "\n\n" + std::string(subcommand.summary) + "\n";
    if (!subcommand.help.empty())
        text += "\n" + std::string(subcommand.help) + "\n";
    return text + "\nOptions:\n" + optionLines(allowedOptions(&subcommand));
}

}  // namespace q7::ctl
