#pragma once
// Line-oriented key-value store for small 8-bit text files made of "[section]" headers and
// "key=value" lines. It keeps nothing between calls: every operation reads the file from its
// first line. The same algorithms also run on an in-memory document (IniDocument), which is how
// a whole file can be built off to the side and then put in place in one step.

#include "core/base/textfile.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace q7 {

// The store's failures are those of its file.
using IniError = FileError;

// Matching rules shared by every operation: letter case is ignored, NULs in the line are ignored.
bool iniIsHeader(std::string_view line, std::string_view section);
bool iniIsKeyLine(std::string_view line, std::string_view key);

// What a write does to the file: append a tail, or rewrite the whole file through the temporary copy.
struct IniEdit {
    enum class Kind { Append, Rewrite } kind;
    std::string bytes;  // the tail to append, or the complete new contents
};

// The pure algorithms, on the lines of a file. iniReadValues gives for each key what a read of
// that key alone gives, in one pass over the lines; keys hold no '=' (no key line could show one).
std::vector<std::string> iniReadValues(const std::vector<std::string>& lines, std::string_view section,
                                       const std::vector<std::string>& keys);
int iniFindKeyLine(const std::vector<std::string>& lines, std::string_view section, std::string_view key);
IniEdit iniPlanWrite(const std::vector<std::string>& lines, int keyLine, std::string_view section,
                     std::string_view key, std::string_view value);

// What readers and writers of sections need, whether the store works on a file or in memory.
class IniValues {
public:
    virtual ~IniValues() = default;
    // The values of several keys of one section, as readValue would give each.
    virtual std::vector<std::string> readValues(std::string_view section, const std::vector<std::string>& keys) = 0;
    virtual void writeValue(std::string_view section, std::string_view key, std::string_view value) = 0;

    std::string readValue(std::string_view section, std::string_view key)
    {
        return readValues(section, {std::string(key)}).front();
    }
};

// The store on a byte string held in memory; its lines are split once for any number of reads.
class IniDocument final : public IniValues {
public:
    explicit IniDocument(std::string bytes = {}) : m_bytes(std::move(bytes)) {}
    const std::string& bytes() const { return m_bytes; }
    std::vector<std::string> readValues(std::string_view section, const std::vector<std::string>& keys) override;
    int findKeyLine(std::string_view section, std::string_view key) const;
    void writeValue(std::string_view section, std::string_view key, std::string_view value) override;

private:
    const std::vector<std::string>& lines() const;

    std::string m_bytes;
    mutable std::optional<std::vector<std::string>> m_lines;
};

// The store on a file. fileName() is the process-wide "current file" every operation works on;
// callers assign it before a series of operations. The store works on exactly that name (a
// caller that wants another letter case found uses resolveCaseInsensitive); a relative name is
// resolved against the working directory of the moment. The file is read only when it is a
// regular file of bounded size (base/textfile.h), so a FIFO or device of that name never blocks.
class IniStore final : public IniValues {
public:
    using Reporter = std::function<void(const std::string& message)>;

    // Until a caller assigns a name, the store works on "Config.ini" beside the running program.
    explicit IniStore(std::string fileName = defaultFileName(), Reporter scanErrorReporter = {});
    static std::string defaultFileName();

    void setFileName(std::string fileName) { m_fileName = std::move(fileName); }
    const std::string& fileName() const { return m_fileName; }
    void setScanErrorReporter(Reporter reporter) { m_report = std::move(reporter); }

    // Empty text for a key that is absent, and for every key when the file cannot be read.
    std::vector<std::string> readValues(std::string_view section, const std::vector<std::string>& keys) override;
    // 1-based line of the key inside its section, 0 when absent; a scan error is reported and counts as absent.
    int findKeyLine(std::string_view section, std::string_view key);
    // Throws IniError when the file cannot be created, read or rewritten.
    void writeValue(std::string_view section, std::string_view key, std::string_view value) override;

private:
    std::string m_fileName;
    Reporter m_report;
};

}  // namespace q7
