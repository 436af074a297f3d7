#pragma once
// What the fuzz targets share: a property check that stops the run with a message (libFuzzer
// saves the input that broke it), and the lines of a text as every reader of the tool splits them.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#define FUZZ_CHECK(condition)                                                                        \
    do {                                                                                             \
        if (!(condition)) {                                                                          \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition);   \
            std::abort();                                                                            \
        }                                                                                            \
    } while (false)

namespace fuzz {

inline std::string_view text(const uint8_t* data, size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// No byte that ends a line or the text to the tool's readers.
inline bool oneLine(std::string_view s) { return s.find_first_of(std::string_view("\r\n\x1a", 3)) == std::string_view::npos; }

}  // namespace fuzz
