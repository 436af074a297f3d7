// q7ctl message TEXT: the scrolling text message, written as the window's Text Message sheet writes
// it (the text in the chosen code page, then CR LF) and put as "/message.txt".
#include "core/base/translatable.h"
#include "core/messages/textmessage.h"
#include "core/settings/localechoice.h"
#include "ctl/action.h"
#include "ctl/subcommands.h"
#include "ctl/translate.h"

namespace q7::ctl {
namespace {

// The code page items of the sheet's choice, in its order.
constexpr std::string_view kCodePageNames[messages::kCodePageItems] = {"english", "big5", "gb2312", "shift-jis",
                                                                       "korean"};

constexpr OptionSpec kOptions[] = {
    {"--codepage", "english|big5|gb2312|shift-jis|korean",
     Q7_TRANSLATABLE("q7ctl help",
                     "the code page of the message file (default: the one the window starts on for this locale; "
                     "english is the system's own 8-bit code page)")},
    {"--allow-substitution", "",
     Q7_TRANSLATABLE("q7ctl help", "send even when characters the code page cannot hold would be sent as \"?\"")},
};

int codePageItem(const Session& session)
{
    const auto chosen = session.args().value("--codepage");
    if (!chosen)
        return codePageItemForLocale(windowsLocaleId(environmentLocaleName()));
    for (int item = 0; item < messages::kCodePageItems; ++item)
        if (*chosen == kCodePageNames[item])
            return item;
    throw UsageError(
        fill(translate("q7ctl", "--codepage: '%1' is not english, big5, gb2312, shift-jis or korean"), {*chosen}));
}

int run(Session& session)
{
    const std::u16string text = fromUtf8(session.args().word("TEXT"));
    if (text.size() > size_t(messages::kTextMessageLength))
        throw UsageError(fill(translate("q7ctl", "%1: the text has %2 characters, more than %3"),
                              {"message", std::to_string(text.size()), std::to_string(messages::kTextMessageLength)}));
    const int codePage = messages::codePageOfItem(codePageItem(session), session.codePage().number());
    const int substituted = messages::substitutedCharacters(text, codePage);
    if (substituted > 0 && !session.args().flag("--allow-substitution"))
        throw UsageError(
            counted(substituted,
                    translate("q7ctl", "message: %1 character cannot be written in this code page and "
                                       "would be sent as \"?\" (add --allow-substitution to send anyway)"),
                    translate("q7ctl", "message: %1 characters cannot be written in this code page and "
                                       "would be sent as \"?\" (add --allow-substitution to send anyway)")));
    const std::vector<Target> targets = session.targets();

    Action action(session, "message", targets);
    action.run(commands::textMessageCommand(),
               {.message = session.scratchFile("message.txt", messages::messageFileBytes(text, codePage))});
    const std::vector<Outcome> outcomes = action.finish();
    printOutcomes(outcomes, session.json());
    return allDone(outcomes) ? kExitDone : kExitFailed;
}

const std::string kTextLength = std::to_string(messages::kTextMessageLength);

}  // namespace

const Subcommand kMessageCommand{
    "message",
    "TEXT (--player NAME|ADDRESS... | --all) [--codepage english|big5|gb2312|shift-jis|korean] [--allow-substitution]",
    Q7_TRANSLATABLE("q7ctl help", "send a scrolling text message"),
    //: %1 is the longest text, in characters.
    Q7_TRANSLATABLE(
        "q7ctl help",
        "TEXT (at most %1 characters) goes to each player as \"/message.txt\": the text in the chosen code\n"
        "page followed by CR LF, byte for byte what the window's Text Message sheet sends. Characters the\n"
        "code page cannot hold become \"?\": such a text is refused unless --allow-substitution is given."),
    kOptions,
    kSettings | kTargets | kTransfers,
    run,
    kTextLength,
};

}  // namespace q7::ctl
