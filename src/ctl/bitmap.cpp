// q7ctl bitmap TEXT: the scrolling bitmap message, drawn by the same function as the window's
// Bitmap Message sheet (offscreen, Qt Gui only), cut into message.target and put as
// "/message.target", or kept in a folder with --save. The drawing is a module loaded here alone,
// so that no other subcommand loads Qt Gui.
#include "core/base/translatable.h"
#include "core/messages/bitmapfile.h"
#include "core/settings/colortext.h"
#include "ctl/action.h"
#include "ctl/module.h"
#include "ctl/subcommands.h"
#include "ctl/translate.h"
#include "draw/drawmodule.h"

#include <charconv>
#include <cstdio>
#include <stdexcept>

namespace q7::ctl {
namespace {

using namespace messages;

// The sheet's font starts as MS Sans Serif, 8 points.
constexpr const char* kDefaultFamily = "MS Sans Serif";
constexpr int kDefaultPoints = 8;
constexpr int kMaxPoints = 200;

constexpr OptionSpec kOptions[] = {
    {"--font", "FAMILY",
     Q7_TRANSLATABLE("q7ctl help", "the font family (default: MS Sans Serif, or what the system puts in its place)")},
    {"--size", "N", Q7_TRANSLATABLE("q7ctl help", "the font size in points, 1 to 200 (default: 8)")},
    {"--fore", "COLOR",
     Q7_TRANSLATABLE("q7ctl help",
                     "the text colour: a colour name (black, red, clRed, ...), #RRGGBB or $00BBGGRR (default: black)")},
    {"--back", "COLOR", Q7_TRANSLATABLE("q7ctl help", "the background colour, as --fore (default: white)")},
    {"--save", "DIR", Q7_TRANSLATABLE("q7ctl help", "write message.target into DIR and send nothing")},
};

uint32_t color(const Session& session, std::string_view option, uint32_t fallback)
{
    const auto given = session.args().value(option);
    if (!given)
        return fallback;
    const std::optional<uint32_t> parsed = colorFromTypedText(*given);
    if (!parsed)
        //: %3 lists the forms a colour is given in.
        throw UsageError(fill(translate("q7ctl", "%1: '%2' is not a colour; give %3"),
                              {option, *given, translate("Problems", kTypedColorForms)}));
    return *parsed;
}

int points(const Session& session)
{
    int points = kDefaultPoints;
    if (const auto given = session.args().value("--size")) {
        const auto [end, ec] = std::from_chars(given->data(), given->data() + given->size(), points);
        if (ec != std::errc() || end != given->data() + given->size() || points < 1 || points > kMaxPoints)
            throw UsageError(fill(translate("q7ctl", "--size: '%1' is not a size in points (1 to 200)"), {*given}));
    }
    return points;
}

DrawBitmapFunction drawingFunction()
{
    std::string problem;
    if (void* function = moduleFunction(kDrawModuleName, kDrawFunctionName, problem))
        return reinterpret_cast<DrawBitmapFunction>(function);
    throw std::runtime_error(fill(translate("q7ctl", "cannot load the drawing module: %1"), {problem}));
}

int run(Session& session)
{
    const std::string typed = session.args().word("TEXT");
    const std::u16string text = fromUtf8(typed);
    if (text.size() > size_t(kBitmapTextLength))
        throw UsageError(fill(translate("q7ctl", "%1: the text has %2 characters, more than %3"),
                              {"bitmap", std::to_string(text.size()), std::to_string(kBitmapTextLength)}));
    const auto save = session.args().value("--save");
    const std::string saveDir = save ? requireFolder(*save, "--save") : std::string();
    const uint32_t fore = color(session, "--fore", kColorBlack);
    const uint32_t back = color(session, "--back", kColorWhite);
    const std::vector<Target> targets = save ? std::vector<Target>() : session.targets();

    const std::string family = session.args().value("--font").value_or(kDefaultFamily);
    const DrawRequest request{.text = text.data(), .length = text.size(), .family = family.c_str(),
                              .points = points(session), .fore = fore, .back = back};
    Strip drawing(kStripWidth, kStripHeight);
    const int width = drawingFunction()(&request, drawing.rgb.data());
    if (width > kTextLimit)
        throw UsageError(translate("q7ctl", "Message too long."));
    if (width == 0)
        throw UsageError(translate("q7ctl", "bitmap: nothing to draw"));

    const std::string targetDir = save ? saveDir : session.runDir();
    const RenderOutcome outcome = renderBitmapMessage(drawing, session.runDir(), targetDir);
    if (!outcome.ok())
        throw std::runtime_error(outcome.error);
    const std::string target = targetDir + "/" + kTargetName;
    if (!scrollingFileLooksRight(target, session.runDir() + "/" + segmentFileName(0), outcome.segments)) {
        std::remove(target.c_str());
        throw std::runtime_error(translate("q7ctl", "Draw bitmap message fail."));
    }
    if (save) {
        if (session.json())
            std::printf("%s\n", JsonObject()
                                    .add("action", "bitmap")
                                    .add("ok", true)
                                    .add("file", target)
                                    .add("segments", outcome.segments)
                                    .text()
                                    .c_str());
        else
            std::printf("%s\n", fill(outcome.segments == 1 ? translate("q7ctl", "Wrote %1 (%2 segment of 1080 x 90).")
                                                           : translate("q7ctl", "Wrote %1 (%2 segments of 1080 x 90)."),
                                     {target, std::to_string(outcome.segments)})
                                    .c_str());
        return kExitDone;
    }

    Action action(session, "bitmap", targets);
    action.run(commands::bitmapMessageCommand(), {.message = target});
    const std::vector<Outcome> outcomes = action.finish();
    printOutcomes(outcomes, session.json());
    return allDone(outcomes) ? kExitDone : kExitFailed;
}

const std::string kTextLength = std::to_string(kBitmapTextLength);

}  // namespace

const Subcommand kBitmapCommand{
    "bitmap",
    "TEXT (--player NAME|ADDRESS... | --all | --save DIR) [--font FAMILY] [--size N] [--fore COLOR] [--back COLOR]",
    Q7_TRANSLATABLE("q7ctl help", "send a scrolling bitmap message"),
    //: %1 is the longest text, in characters.
    Q7_TRANSLATABLE(
        "q7ctl help",
        "TEXT (at most %1 characters) is drawn as the window's Bitmap Message sheet draws it, as typed (any\n"
        "script the fonts hold), on a strip 5400 x 90 pixels; the strip is cut after its last used column into one\n"
        "to five 1080 x 90 bitmaps, and message.target (those bitmaps one after another) goes to each player\n"
        "as \"/message.target\". A text wider than 5380 pixels is refused (\"Message too long.\")."),
    kOptions,
    kSettings | kTargets | kTransfers,
    run,
    kTextLength,
};

}  // namespace q7::ctl
