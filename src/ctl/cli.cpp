#include "ctl/cli.h"

#include "core/base/translatable.h"
#include "ctl/translate.h"

#include <algorithm>
#include <unicode/uchar.h>
#include <unicode/utf8.h>

namespace q7::ctl {
namespace {

constexpr OptionSpec kCommonOptions[] = {
    {"--json", "", Q7_TRANSLATABLE("q7ctl help", "one JSON object per line instead of a table")},
    {"--help", "", Q7_TRANSLATABLE("q7ctl help", "this help")},
};
constexpr OptionSpec kSettingsOptions[] = {
    {"--settings", "FILE",
     Q7_TRANSLATABLE("q7ctl help",
                     "the settings file that lists the players (default: Q7_Configuration_V3.ini in the current "
                     "folder, found in any letter case)")},
};
constexpr OptionSpec kTargetOptions[] = {
    {"--player", "NAME|ADDRESS",
     Q7_TRANSLATABLE("q7ctl help", "a listed player, by its address or its name (repeatable)"), true},
    {"--all", "", Q7_TRANSLATABLE("q7ctl help", "every listed player")},
};
constexpr OptionSpec kTransferOptions[] = {
    {"--port", "PORT", Q7_TRANSLATABLE("q7ctl help", "the players' TFTP port (default: Q7_TFTP_PORT, else 69)")},
    {"--wait", "SECONDS",
     Q7_TRANSLATABLE("q7ctl help", "wait this long wherever the players are given a fixed time to act")},
    {"--parallel", "N",
     Q7_TRANSLATABLE("q7ctl help",
                     "at most N transfers at once, the next starting as one ends (default: all at once)")},
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
constexpr size_t kHelpWidth = 100;

// A piece of a help text that a line may end after: a word, or within a word each ideograph or kana
// on its own (Chinese and Japanese have no blanks and break between such characters; Korean spaces
// its words and breaks only there). Closing punctuation never starts a line, an opening one never
// ends it. `spaced`: a blank goes before it unless it starts a line.
struct HelpPiece {
    std::string_view text;
    bool spaced;
};

std::vector<HelpPiece> helpPieces(std::string_view help)
{
    std::vector<HelpPiece> pieces;
    for (size_t at = 0; at < help.size();) {
        size_t end = help.find(' ', at);
        end = end == std::string_view::npos ? help.size() : end;
        const std::string_view word = help.substr(at, end - at);
        size_t start = 0;
        int previousBreak = U_LB_SPACE;
        for (int32_t next = 0; next < int32_t(word.size());) {
            const int32_t here = next;
            UChar32 c = 0;
            U8_NEXT(word.data(), next, int32_t(word.size()), c);
            const int lineBreak = c >= 0 ? u_getIntPropertyValue(c, UCHAR_LINE_BREAK) : U_LB_UNKNOWN;
            const auto ideographic = [](int lb) {
                return lb == U_LB_IDEOGRAPHIC || lb == U_LB_CONDITIONAL_JAPANESE_STARTER;
            };
            const bool closing = lineBreak == U_LB_CLOSE_PUNCTUATION || lineBreak == U_LB_CLOSE_PARENTHESIS ||
                                 lineBreak == U_LB_EXCLAMATION || lineBreak == U_LB_INFIX_NUMERIC ||
                                 lineBreak == U_LB_NONSTARTER;
            if (here > 0 && (ideographic(lineBreak) || ideographic(previousBreak)) && !closing &&
                previousBreak != U_LB_OPEN_PUNCTUATION) {
                pieces.push_back({word.substr(start, size_t(here) - start), start == 0});
                start = size_t(here);
            }
            previousBreak = lineBreak;
        }
        pieces.push_back({word.substr(start), start == 0});
        at = end + 1;
    }
    return pieces;
}

std::string optionLines(const std::vector<OptionSpec>& options)
{
    std::string text;
    for (const OptionSpec& option : options) {
        std::string head = "  " + std::string(option.name);
        if (!option.value.empty())
            head += " " + std::string(option.value);
        head.resize(std::max<size_t>(head.size() + 2, kHelpColumn), ' ');
        // The help wraps within 100 columns, continued under itself.
        const std::string help = fill(translate("q7ctl help", option.help), {option.helpArgument});
        std::string line = head;
        size_t width = head.size();
        for (const HelpPiece& piece : helpPieces(help)) {
            const size_t pieceWidth = displayWidth(piece.text);
            if (width > kHelpColumn && width + (piece.spaced ? 1 : 0) + pieceWidth > kHelpWidth) {
                text += line + "\n";
                line = std::string(kHelpColumn, ' ');
                width = kHelpColumn;
            } else if (width > kHelpColumn && piece.spaced) {
                line += ' ';
                ++width;
            }
            line += piece.text;
            width += pieceWidth;
        }
        text += line + "\n";
    }
    return text;
}

}  // namespace

const std::string& Arguments::word(std::string_view what) const
{
    if (m_words.empty())
        //: %1 names what the command takes, as its usage line does (TEXT, FILE, LISTING).
        throw UsageError(fill(translate("q7ctl", "missing %1"), {what}));
    if (m_words.size() > 1)
        throw UsageError(fill(translate("q7ctl", "one %1 only, not also '%2'"), {what, m_words[1]}));
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
            if (!known && invocation.subcommand)
                throw UsageError(
                    fill(translate("q7ctl", "unknown option %1 for '%2'"), {name, invocation.subcommand->name}));
            if (!known)
                throw UsageError(fill(translate("q7ctl", "unknown option %1"), {name}));
            std::string value;
            if (known->value.empty()) {
                if (equals != std::string::npos)
                    throw UsageError(fill(translate("q7ctl", "%1 takes no value"), {name}));
            } else if (equals != std::string::npos) {
                value = arg.substr(equals + 1);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                //: %1 is an option, %2 what it takes (DIR, FILE, N).
                throw UsageError(fill(translate("q7ctl", "%1 needs a value (%2)"), {name, known->value}));
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
            throw UsageError(fill(translate("q7ctl", "unknown command '%1'"), {name}));
    }
    if (!invocation.subcommand && !named.empty())
        invocation.group = joined(named);

    // Options given before the subcommand was named must be ones it takes as well.
    if (invocation.subcommand && !invocation.help) {
        const std::vector<OptionSpec> allowed = allowedOptions(invocation.subcommand);
        for (const auto& [name, value] : invocation.arguments.m_options) {
            const OptionSpec* known = findOption(allowed, name);
            if (!known)
                throw UsageError(
                    fill(translate("q7ctl", "unknown option %1 for '%2'"), {name, invocation.subcommand->name}));
            if (!known->repeatable && invocation.arguments.values(name).size() > 1)
                throw UsageError(fill(translate("q7ctl", "%1 given more than once"), {name}));
        }
    }
    return invocation;
}

std::string overviewText(std::span<const Subcommand> table, std::string_view group)
{
    const std::string usage =
        "q7ctl " + (group.empty() ? std::string("COMMAND") : std::string(group) + " COMMAND") + " [OPTIONS]";
    //: %1 is the command line, which stays as it is.
    std::string text =
        fill(translate("q7ctl help", "usage: %1"), {usage}) + "\n\n" +
        translate("q7ctl help", "Scripts what the Q7 Configuration Tool does to the players of its list.") + "\n\n" +
        translate("q7ctl help", "Commands:") + "\n";
    for (const Subcommand& s : table) {
        if (!group.empty() && !s.name.starts_with(std::string(group) + " "))
            continue;
        std::string head = "  " + std::string(s.name);
        head.resize(std::max<size_t>(head.size() + 2, 18), ' ');
        text += head + translate("q7ctl help", s.summary) + "\n";
    }
    text += "\n" +
            translate("q7ctl help",
                      "Run 'q7ctl COMMAND --help' for its options. Exit status: 0 when every player succeeded, 1 "
                      "when any\nfailed, 2 for a usage error.") +
            "\n";
    return text;
}

std::string helpText(const Subcommand& subcommand)
{
    std::string usage = "q7ctl " + std::string(subcommand.name);
    if (!subcommand.synopsis.empty())
        usage += " " + std::string(subcommand.synopsis);
    std::string text = fill(translate("q7ctl help", "usage: %1"), {usage}) + "\n\n" +
                       translate("q7ctl help", subcommand.summary) + "\n";
    if (!subcommand.help.empty())
        text += "\n" + fill(translate("q7ctl help", subcommand.help), {subcommand.helpArgument}) + "\n";
    return text + "\n" + translate("q7ctl help", "Options:") + "\n" + optionLines(allowedOptions(&subcommand));
}

}  // namespace q7::ctl
