#pragma once
// The bitmap message's drawing as a module of its own, which q7ctl loads only for `bitmap`: its
// other subcommands then start without Qt Gui and the libraries beneath it. A plain C entry point;
// no Qt type and no exception crosses it.

#include <cstddef>
#include <cstdint>

namespace q7::messages {

struct DrawRequest {
    const char16_t* text = nullptr;  // as typed, UTF-16
    size_t length = 0;
    const char* family = "";  // the font family
    int points = 0;           // the font size
    uint32_t fore = 0;        // colours as $00BBGGRR
    uint32_t back = 0;
};

// drawBitmapText (draw/bitmapdrawing.h) on a kStripWidth x kStripHeight strip: `rgb` (3 bytes a
// pixel, red first, rows top-down) receives the drawing unless the text is wider than kTextLimit.
// Returns the text's width.
using DrawBitmapFunction = int (*)(const DrawRequest* request, unsigned char* rgb);

inline constexpr const char* kDrawModuleName = "q7ctl-draw.so";
inline constexpr const char* kDrawFunctionName = "q7DrawBitmapText";

}  // namespace q7::messages
