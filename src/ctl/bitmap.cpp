// q7ctl bitmap TEXT: the scrolling bitmap message, drawn by the same function as the window's
// Bitmap Message sheet (offscreen, Qt Gui only), cut into message.target and put as
// "/message.target", or kept in a folder with --save. The drawing is a module loaded here alone,
// so that no other subcommand loads Qt Gui.
#include "core/settings/colortext.h"
#include "ctl/action.h"
#include "ctl/subcommands.h"
#include "core/messages/bitmapfile.h"
#include "draw/drawmodule.h"

#include <charconv>
#include <cstdio>
#include <dlfcn.h>
#include <filesystem>
#include <stdexcept>

namespace q7::ctl {
namespace {

using namespace messages;

// The sheet's font starts as MS Sans Serif, 8 points.
constexpr const char* kDefaultFamily = "MS Sans Serif";
constexpr int kDefaultPoints = 8;
constexpr int kMaxPoints = 200;

constexpr OptionSpec kOptions[] = {
    {"--font", "FAMILY", "the font family (default: MS Sans Serif, or what the system puts in its place)"},
    {"--size", "N", "the font size in points, 1 to 200 (default: 8)"},
    {"--fore", "COLOR",
     "the text colour: a colour name (black, red, clRed, ...), #RRGGBB or $00BBGGRR (default: black)"},
    {"--back", "COLOR", "the background colour, as --fore (default: white)"},
    {"--save", "DIR", "write message.target into DIR and send nothing"},
};

uint32_t color(const Session& session, std::string_view option, uint32_t fallback)
{
    const auto given = session.args().value(option);
    if (!given)
        return fallback;
    const std::optional<uint32_t> parsed = colorFromTypedText(*given);
    if (!parsed)
        throw UsageError(std::string(option) + ": '" + *given + "' is not a colour; give " +
                         std::string(kTypedColorForms));
    return *parsed;
}

int points(const Session& session)
{
    int points = kDefaultPoints;
    if (const auto given = session.args().value("--size")) {
        const auto [end, ec] = std::from_chars(given->data(), given->data() + given->size(), points);
        if (ec != std::errc() || end != given->data() + given->size() || points < 1 || points > kMaxPoints)
            throw UsageError("--size: '" + *given + "' is not a size in points (1 to 200)");
    }
    return points;
}

// The drawing module: beside the program in the build tree, else where it is installed, relative
// to the program (Q7_DRAW_MODULE_DIR), so that an installation works wherever its prefix is.
DrawBitmapFunction drawingFunction()
{
    std::error_code ec;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
    std::string problem;
    for (const std::filesystem::path& dir : {program, program / Q7_DRAW_MODULE_DIR}) {
        const std::string path = (dir / kDrawModuleName).lexically_normal().string();
        void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!module) {
            if (problem.empty())
                problem = ::dlerror();
            continue;
        }
        if (void* function = ::dlsym(module, kDrawFunctionName))
            return reinterpret_cast<DrawBitmapFunction>(function);
        problem = ::dlerror();
    }
    throw std::runtime_error("cannot load the drawing module: " + problem);
}

int run(Session& session)
{
    const std::string typed = session.args().word("TEXT");
    const std::u16string text = fromUtf8(typed);
    if (text.size() > size_t(kBitmapTextLength))
        throw UsageError("bitmap: the text has " + std::to_string(text.size()) + " characters, more than " +
                         std::to_string(kBitmapTextLength));
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
        throw UsageError("Message too long.");
    if (width == 0)
        throw UsageError("bitmap: nothing to draw");

    const std::string targetDir = save ? saveDir : session.runDir();
    const RenderOutcome outcome = renderBitmapMessage(drawing, session.runDir(), targetDir);
    if (!outcome.ok())
        throw std::runtime_error(outcome.error);
    const std::string target = targetDir + "/" + kTargetName;
    if (!scrollingFileLooksRight(target, session.runDir() + "/" + segmentFileName(0), outcome.segments)) {
        std::remove(target.c_str());
        throw std::runtime_error("Draw bitmap message fail.");
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
            std::printf("Wrote %s (%s of 1080 x 90).\n", target.c_str(),
                        counted(outcome.segments, "segment", "segments").c_str());
        return kExitDone;
    }

    Action action(session, "bitmap", targets);
    action.run(commands::bitmapMessageCommand(), {.message = target});
    const std::vector<Outcome> outcomes = action.finish();
    printOutcomes(outcomes, session.json());
    return allDone(outcomes) ? kExitDone : kExitFailed;
}

const std::string kHelp =
    "TEXT (at most " + std::to_string(kBitmapTextLength) +
    " characters) is drawn as the window's Bitmap Message sheet draws it, as typed (any\n"
    "script the fonts hold), on a strip 5400 x 90 pixels; the strip is cut after its last used column into one\n"
    "to five 1080 x 90 bitmaps, and message.target (those bitmaps one after another) goes to each player\n"
    "as \"/message.target\". A text wider than 5380 pixels is refused (\"Message too long.\").";

}  // namespace

const Subcommand kBitmapCommand{
    "bitmap",
    "TEXT (--player NAME|ADDRESS... | --all | --save DIR) [--font FAMILY] [--size N] [--fore COLOR] [--back COLOR]",
    "send a scrolling bitmap message",
    kHelp,
    kOptions,
    kSettings | kTargets | kTransfers,
    run,
};

}  // namespace q7::ctl
