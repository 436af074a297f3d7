// A player's file index ("Q7files", an ls -lR of its disk) turned into list entries.

#include "check.h"
#include "core/lists/listfiles.h"

#include <algorithm>

namespace {

// The lines of a text whose line ends are all LF.
std::vector<std::string> splitAtLineEnds(const std::string& lf)
{
    std::vector<std::string> lines;
    for (size_t start = 0; start < lf.size();) {
        size_t end = lf.find('\n', start);
        if (end == std::string::npos)
            end = lf.size();
        lines.push_back(lf.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// The same text with every line end (CR LF, LF or a lone CR) as LF.
std::string withLfEnds(std::string_view bytes)
{
    std::string out;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            out += '\n';
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            out += bytes[i];
        }
    }
    return out;
}

// The rules of the listing spelled out the plain way (a folder line loses "/:" pairs one at a time,
// then every ':'), for inputs of fuzzing size.
std::vector<std::string> plainParse(std::string_view bytes)
{
    std::vector<std::string> entries;
    std::string folder;
    for (const std::string& line : splitAtLineEnds(withLfEnds(bytes))) {
        if (line.starts_with("/tmp/ccc/HDD")) {
            folder = line.substr(12);
            for (size_t at; (at = folder.find("/:")) != std::string::npos;)
                folder.erase(at, 2);
            std::erase(folder, ':');
        } else if (line.starts_with("-rwxr-xr-x")) {
            const size_t blank = line.rfind(' ');
            std::string name = blank == std::string::npos ? std::string() : line.substr(blank + 1);
            size_t blanks = 0;
            while (blanks < name.size() && (unsigned char)name[blanks] <= ' ')
                ++blanks;
            name.erase(0, blanks);
            if (folder.size() + 1 + name.size() <= q7::lists::kMaxEntryBytes)
                entries.push_back(folder + "/" + name);
        }
    }
    return entries;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes = fuzz::text(data, size);
    const std::vector<std::string> entries = q7::lists::parseListing(bytes);

    // At most one entry per file line, none holding a line end, each a path with a "/".
    const std::string lf = withLfEnds(bytes);
    const std::vector<std::string> lines = splitAtLineEnds(lf);
    FUZZ_CHECK(entries.size() <= size_t(std::count_if(lines.begin(), lines.end(), [](const std::string& line) {
                                     return line.starts_with("-rwxr-xr-x");
                                 })));
    // Each no longer than a path can be, so that the entries grow with the listing, not its square.
    for (const std::string& entry : entries) {
        FUZZ_CHECK(entry.find_first_of("\r\n") == std::string::npos);
        FUZZ_CHECK(entry.find('/') != std::string::npos);
        FUZZ_CHECK(entry.size() <= q7::lists::kMaxEntryBytes);
    }

    // Line ends of any kind read alike, and the rules say what the entries are.
    FUZZ_CHECK(q7::lists::parseListing(lf) == entries);
    FUZZ_CHECK(plainParse(bytes) == entries);
    return 0;
}
