#pragma once
// The 8-bit text files the tool reads and writes (its settings file, config files, list and
// message files): bounded reading that never blocks, line splitting, and replacing a file in one
// step. File names are the operating system's bytes; contents are bytes in the file's code page
// (see base/codepage.h).

#include "core/base/phrase.h"

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace q7 {

// An input/output failure; what() is its text in English, phrase() the same to be shown in the
// operator's language.
class FileError : public std::runtime_error {
public:
    explicit FileError(const std::string& text) : FileError(Phrase::plain(text)) {}
    explicit FileError(Phrase phrase)
        : std::runtime_error(phrase.english()), m_phrase(std::make_shared<const Phrase>(std::move(phrase)))
    {
    }
    const Phrase& phrase() const { return *m_phrase; }

private:
    std::shared_ptr<const Phrase> m_phrase;  // shared: an exception is copied without throwing
};

// No text file of the tool comes near this; anything longer is not one of its files.
inline constexpr std::size_t kMaxTextFileBytes = std::size_t(16) << 20;

// The whole content of a regular file (a link to one is followed) of at most maxBytes. A folder,
// FIFO, device or longer file is refused with FileError without blocking or reading it through.
std::string readTextFile(const std::string& path, std::size_t maxBytes = kMaxTextFileBytes);

// Splits 8-bit text into lines as every reader of these files does: a line ends at LF, every CR is
// dropped (the one before LF ends the line, a lone one is simply removed), a Ctrl-Z byte ends the
// text. None of these bytes occurs inside a double-byte character of the supported code pages.
std::vector<std::string> splitLines(std::string_view bytes);
// A value that goes into one line of such a file: every CR, LF and Ctrl-Z in it becomes a space,
// so that no value can cut the file apart or add lines to it.
std::string asOneLine(std::string value);

struct ReplaceOptions {
    bool refuseReadOnly = false;  // a file the user may not write keeps its content (FileError)
    bool sync = true;             // flush the new content to disk before it takes the old one's place
};

// Replaces the file at `path` with `bytes` in one step: the content is written to a temporary of
// its own beside it (the file's name + ".tmp-" + six random characters), then renamed over it. A symbolic link to a regular file stays a link: its target is replaced. The new
// file keeps the old one's permission bits. A FIFO, device or a link to one is replaced as an
// entry, never written into. On failure the old file is untouched and no temporary file remains.
void replaceTextFile(const std::string& path, std::string_view bytes, const ReplaceOptions& options = {});

// The tool's own working copy at `path` (such as a ".tmp" file): whatever file or link stands
// there is removed, never followed, and the file is created afresh. A folder there is an error.
void writeWorkingFile(const std::string& path, std::string_view bytes);
// Removes the file or link at `path` without following it; nothing there is fine, a folder is an error.
void removeWorkingFile(const std::string& path);

// Creates an empty file unless something of that name exists (a link, even a dangling one, counts).
void createFileIfMissing(const std::string& path);

// The existing entry whose name equals path's file name without regard to letter case; `path`
// itself when it exists or when there is none.
std::string resolveCaseInsensitive(const std::string& path);

}  // namespace q7
