// A message file read back for display: by its byte-order mark (UTF-16 either way, UTF-8), else in
// the system's code page, for each of the five code pages; and the text written out again.

#include "check.h"
#include "core/base/codepage.h"
#include "core/messages/textmessage.h"

namespace {

size_t bomLength(std::string_view bytes)
{
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
        return 2;
    return bytes.starts_with("\xEF\xBB\xBF") ? 3 : 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes = fuzz::text(data, size);
    const size_t payload = bytes.size() - bomLength(bytes);
    for (int number : {1252, 950, 936, 932, 949}) {
        const std::u16string text = q7::messages::messageFileText(bytes, number);
        // Every byte gives at most one UTF-16 unit, and bytes never vanish into an empty text.
        FUZZ_CHECK(text.size() <= payload);
        FUZZ_CHECK(payload == 0 || !text.empty());

        // Written in the code page: the text's characters, at most two bytes each, then CR LF.
        const std::string written = q7::messages::messageFileBytes(text, number);
        FUZZ_CHECK(written.size() <= 2 * text.size() + 2 && written.ends_with("\r\n"));
        // Text that came out of the code page goes back into it and reads the same.
        if (bomLength(bytes) == 0 && text.find(u'\uFFFD') == std::u16string::npos &&
            text.find(u'\x1a') == std::u16string::npos)
            FUZZ_CHECK(q7::messages::messageFileText(written, number) == text + u"\r\n");
    }
    return 0;
}
