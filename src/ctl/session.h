#pragma once
// What every subcommand works with: its arguments, the settings file and the players it lists, the
// chosen targets, the TFTP port and waits, a private scratch folder for the files it puts, the
// system's 8-bit code page, and the stop request of Ctrl-C.

#include "core/settings/appsettings.h"
#include "core/base/codepage.h"
#include "core/commands/sequence.h"
#include "ctl/cli.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace q7 {
class StopEvent;
}

namespace q7::ctl {

// A listed player, texts in UTF-8.
using Target = commands::Target;

class Session {
public:
    Session(const Subcommand& subcommand, const Arguments& arguments, const StopEvent& stop);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    const Subcommand& subcommand() const { return m_subcommand; }
    const Arguments& args() const { return m_arguments; }
    const StopEvent& stop() const { return m_stop; }
    bool json() const { return m_arguments.flag("--json"); }
    const CodePage& codePage() const { return m_codePage; }

    // The settings file: --settings FILE, else Q7_Configuration_V3.ini in the current folder in any
    // letter case (none there reads as no settings). Throws UsageError when it cannot be read.
    const std::string& settingsPath() const { return m_settingsPath; }
    bool settingsChosen() const { return m_settingsChosen; }
    std::string settingsDir() const;
    // Read once; the players as the window loads them (a later slot of a listed address is skipped,
    // and so is a stored address that is no IPv4 address, said once on standard error).
    const AppSettings& settings();
    // Reads the file afresh (the window may have rewritten it meanwhile).
    AppSettings readSettings() const;
    // A usage error when the current folder holds no settings file.
    std::vector<Target> listedPlayers();

    // --player NAME|ADDRESS... and --all, in list order; a usage error when neither is given, a
    // player is not listed, a name is ambiguous, or nobody is listed.
    std::vector<Target> targets();
    // --port, else Q7_TFTP_PORT, else 69.
    std::string port() const;
    // --wait SECONDS in place of a fixed wait.
    std::chrono::milliseconds wait(std::chrono::milliseconds fixed) const;
    // --parallel N: how many transfers may run at once; 0 (none given) for all.
    size_t parallel() const;

    // A private folder of this run (mode 0700 in the user's scratch folder), removed at the end.
    const std::string& runDir();
    // The empty command file "nullCMD.txt" in it.
    std::string nullCommandFile();
    // Writes `bytes` to `name` in the run folder; returns its path.
    std::string scratchFile(const std::string& name, std::string_view bytes);

    // 8-bit text of the players' files to UTF-8 and back ('?' for what the code page cannot hold).
    std::string text(std::string_view eightBit) const;
    std::string eightBit(std::string_view utf8) const;

    // Someone watches standard error at a terminal, and no --json was asked for.
    bool atTerminal() const;
    // A line on standard error for someone watching a terminal (never with --json).
    void note(const std::string& line) const;

private:
    bool settingsMissing() const;

    const Subcommand& m_subcommand;
    const Arguments& m_arguments;
    const StopEvent& m_stop;
    CodePage m_codePage;
    std::string m_settingsPath;
    bool m_settingsChosen = false;
    std::optional<AppSettings> m_settings;
    bool m_unusableNoted = false;  // stored players without an IPv4 address are reported once
    std::string m_runDir;
};

// UTF-8 to UTF-16 and back (invalid input becomes U+FFFD).
std::u16string fromUtf8(std::string_view utf8);
std::string toUtf8(std::u16string_view text);

// A usage error naming `option` unless `text` is an IPv4 address by the rule of core/base/ipv4.h.
std::string requireIPv4(const std::string& text, std::string_view option);
// A folder that must exist, made absolute.
std::string requireFolder(const std::string& path, std::string_view option);

}  // namespace q7::ctl
