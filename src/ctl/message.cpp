// q7ctl message TEXT: the scrolling text message, written as the window's Text Message sheet writes
// it (the text in the chosen code page, then CR LF) and put as "/message.txt".
#include "core/settings/localechoice.h"
#include "ctl/action.h"
#include "ctl/subcommands.h"
#include "core/messages/textmessage.h"

namespace q7::ctl {
namespace {

// The code page items of the sheet's choice, in its order.
constexpr std::string_view kCodePageNames[messages::kCodePageItems] = {"english", "big5", "gb2312", "shift-jis",
                                                                       "korean"};

constexpr OptionSpec kOptions[] = {
    {"--codepage", "english|big5|gb2312|shift-jis|korean",
     "the code page of the message file (default: the one the window starts on for this locale; english is "
     "the system's own 8-bit code page)"},
    {"--allow-substitution", "", "send even when characters the code page cannot hold would be sent as \"?\""},
};

int codePageItem(const Session& session)
{
    const auto chosen = session.args().value("--codepage");
    if (!chosen)
        return codePageItemForLocale(windowsLocaleId(environmentLocaleName()));
    for (int item = 0; item < messages::kCodePageItems; ++item)
        if (*chosen == kCodePageNames[item])
            return item;
    throw UsageError("--codepage: '" + *chosen + "' is not english, big5, gb2312, shift-jis or korean");
}

int run(Session& session)
{
    const std::u16string text = fromUtf8(session.args().word("TEXT"));
    if (text.size() > size_t(messages::kTextMessageLength))
        throw UsageError("message: the text has " + std::to_string(text.size()) + " characters, more than " +
                         std::to_string(messages::kTextMessageLength));
    const int codePage = messages::codePageOfItem(codePageItem(session), session.codePage().number());
    const int substituted = messages::substitutedCharacters(text, codePage);
    if (substituted > 0 && !session.args().flag("--allow-substitution"))
        throw UsageError("message: " + counted(substituted, "character", "characters") +
                         " cannot be written in this code page and would be sent as \"?\" (add "
                         "--allow-substitution to send anyway)");
    const std::vector<Target> targets = session.targets();

    Action action(session, "message", targets);
    action.run(commands::textMessageCommand(),
               {.message = session.scratchFile("message.txt", messages::messageFileBytes(text, codePage))});
    const std::vector<Outcome> outcomes = action.finish();
    printOutcomes(outcomes, session.json());
    return allDone(outcomes) ? kExitDone : kExitFailed;
}

const std::string kHelp =
    "TEXT (at most " + std::to_string(messages::kTextMessageLength) +
    " characters) goes to each player as \"/message.txt\": the text in the chosen code\n"
    "page followed by CR LF, byte for byte what the window's Text Message sheet sends. Characters the\n"
    "code page cannot hold become \"?\": such a text is refused unless --allow-substitution is given.";

}  // namespace

const Subcommand kMessageCommand{
    "message",
    "TEXT (--player NAME|ADDRESS... | --all) [--codepage english|big5|gb2312|shift-jis|korean] [--allow-substitution]",
    "send a scrolling text message",
    kHelp,
    kOptions,
    kSettings | kTargets | kTransfers,
    run,
};

}  // namespace q7::ctl
