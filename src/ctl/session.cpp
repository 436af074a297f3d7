#include "ctl/session.h"

#include "core/base/inistore.h"
#include "core/base/ipv4.h"
#include "core/base/textfile.h"
#include "core/settings/scratch.h"
#include "core/transfer/tftpcommand.h"
#include "ctl/translate.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <set>
#include <stdexcept>
#include <unicode/unistr.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace q7::ctl {
namespace {

// More than the list can hold: the bound then never holds anything back.
constexpr int kMaxParallel = 1000;

std::string absolute(const std::string& path)
{
    std::error_code ec;
    fs::path made = fs::absolute(path, ec).lexically_normal();
    if (ec)
        return path;
    if (!made.has_filename() && made.has_relative_path())  // "dir/." ends in a separator: "dir/" + name reads badly
        made = made.parent_path();
    return made.string();
}

}  // namespace

std::u16string fromUtf8(std::string_view utf8)
{
    const icu::UnicodeString text = icu::UnicodeString::fromUTF8(icu::StringPiece(utf8.data(), int32_t(utf8.size())));
    return std::u16string(text.getBuffer(), size_t(text.length()));
}

std::string toUtf8(std::u16string_view text)
{
    std::string out;
    icu::UnicodeString(text.data(), int32_t(text.size())).toUTF8String(out);
    return out;
}

std::string requireIPv4(const std::string& text, std::string_view option)
{
    if (const Phrase problem = ipv4Problem(text, option); !problem.empty())
        throw UsageError(translate(problem));
    return text;
}

std::string requireFolder(const std::string& path, std::string_view option)
{
    std::error_code ec;
    if (!fs::is_directory(path, ec))
        throw UsageError(fill(translate("q7ctl", "%1: '%2' is not a folder"), {option, path}));
    return absolute(path);
}

Session::Session(const Subcommand& subcommand, const Arguments& arguments, const StopEvent& stop)
    : m_subcommand(subcommand), m_arguments(arguments), m_stop(stop),
      m_codePage(systemCodePage(environmentLocaleName()))
{
    if (const auto chosen = arguments.value("--settings")) {
        m_settingsPath = absolute(*chosen);
        m_settingsChosen = true;
    } else {
        m_settingsPath = resolveCaseInsensitive(absolute(kSettingsWriteName));
    }
}

Session::~Session()
{
    std::error_code ec;
    if (!m_runDir.empty())
        fs::remove_all(m_runDir, ec);
}

std::string Session::settingsDir() const { return fs::path(m_settingsPath).parent_path().string(); }

bool Session::settingsMissing() const
{
    std::error_code ec;
    return !m_settingsChosen && !fs::exists(fs::symlink_status(m_settingsPath, ec));
}

AppSettings Session::readSettings() const
{
    if (settingsMissing())
        return {};
    try {
        IniDocument file(readTextFile(m_settingsPath));
        return readAppSettings(file);
    } catch (const FileError& e) {
        throw UsageError(fill(translate("q7ctl", "settings file: %1"), {translate(e.phrase())}));
    }
}

const AppSettings& Session::settings()
{
    if (!m_settings)
        m_settings = readSettings();
    return *m_settings;
}

std::vector<Target> Session::listedPlayers()
{
    // Run in the wrong folder, an empty list would read as "no players" and succeed.
    if (settingsMissing())
        throw UsageError(fill(translate("q7ctl", "no settings file %1 in %2 (run q7ctl in the tool's folder, or give "
                                                 "--settings FILE)"),
                              {kSettingsWriteName, settingsDir()}));
    std::vector<Target> players;
    std::set<std::string> listed;
    for (const StoredPlayer& stored : settings().players) {
        Target player{.row = int(players.size()), .address = text(stored.address), .name = text(stored.name)};
        if (!isIPv4Address(player.address)) {  // not listed, as the window does not list it
            if (!m_unusableNoted)
                std::fprintf(stderr, "q7ctl: %s\n",
                             fill(translate("q7ctl", "settings file: %1: not listed"),
                                  {translate(ipv4Problem(player.address,
                                                         fill(translate("q7ctl", "IP Address of %1"), {player.name})))})
                                 .c_str());
            continue;
        }
        if (listed.insert(player.address).second)
            players.push_back(std::move(player));
    }
    m_unusableNoted = true;
    return players;
}

std::vector<Target> Session::targets()
{
    const std::vector<std::string> wanted = m_arguments.values("--player");
    if (wanted.empty() && !m_arguments.flag("--all"))
        throw UsageError(translate("q7ctl", "say which players: --player NAME|ADDRESS (repeatable) or --all"));
    const std::vector<Target> listed = listedPlayers();
    if (listed.empty())
        throw UsageError(fill(translate("q7ctl", "no players are listed in %1"), {m_settingsPath}));
    if (m_arguments.flag("--all"))
        return listed;

    std::set<int> rows;
    for (const std::string& player : wanted) {
        const auto byAddress =
            std::find_if(listed.begin(), listed.end(), [&](const Target& t) { return t.address == player; });
        if (byAddress != listed.end()) {
            rows.insert(byAddress->row);
            continue;
        }
        const auto named =
            std::count_if(listed.begin(), listed.end(), [&](const Target& t) { return t.name == player; });
        if (named > 1)
            throw UsageError(fill(translate("q7ctl", "--player %1: %2 players have that name; give an address"),
                                  {player, std::to_string(named)}));
        const auto byName =
            std::find_if(listed.begin(), listed.end(), [&](const Target& t) { return t.name == player; });
        if (byName == listed.end() && player.find_first_not_of("0123456789.") == std::string::npos &&
            !isIPv4Address(player))
            throw UsageError(translate(ipv4Problem(player, "--player")));  // meant as an address, and none
        if (byName == listed.end())
            throw UsageError(fill(translate("q7ctl", "--player %1: no such player in %2"), {player, m_settingsPath}));
        rows.insert(byName->row);
    }
    std::vector<Target> chosen;
    for (const int row : rows)
        chosen.push_back(listed[size_t(row)]);
    return chosen;
}

std::string Session::port() const
{
    const auto given = m_arguments.value("--port");
    if (!given)
        return tftpPort();
    int port = 0;
    const auto [end, ec] = std::from_chars(given->data(), given->data() + given->size(), port);
    if (ec != std::errc() || end != given->data() + given->size() || port < 1 || port > 65535)
        throw UsageError(fill(translate("q7ctl", "--port: '%1' is not a port number (1 to 65535)"), {*given}));
    return std::to_string(port);
}

std::chrono::milliseconds Session::wait(std::chrono::milliseconds fixed) const
{
    const auto given = m_arguments.value("--wait");
    if (!given)
        return fixed;
    double seconds = -1;
    const auto [end, ec] = std::from_chars(given->data(), given->data() + given->size(), seconds);
    if (ec != std::errc() || end != given->data() + given->size() || !(seconds >= 0 && seconds <= 3600))
        throw UsageError(fill(translate("q7ctl", "--wait: '%1' is not a number of seconds (0 to 3600)"), {*given}));
    return std::chrono::milliseconds(static_cast<long long>(seconds * 1000 + 0.5));
}

size_t Session::parallel() const
{
    const auto given = m_arguments.value("--parallel");
    if (!given)
        return 0;
    int count = 0;
    const auto [end, ec] = std::from_chars(given->data(), given->data() + given->size(), count);
    if (ec != std::errc() || end != given->data() + given->size() || count < 1 || count > kMaxParallel)
        throw UsageError(fill(translate("q7ctl", "--parallel: '%1' is not a number of transfers (1 to %2)"),
                              {*given, std::to_string(kMaxParallel)}));
    return size_t(count);
}

const std::string& Session::runDir()
{
    if (!m_runDir.empty())
        return m_runDir;
    // The user's scratch folder is checked like the window checks it: private, not a link.
    const std::string base = defaultScratchDir();
    std::string error;
    if (!prepareScratch(base, &error))
        throw std::runtime_error(error);
    std::string pattern = base + "/q7ctl-XXXXXX";
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error(fill(translate("q7ctl", "cannot create a folder in \"%1\""), {base}));
    m_runDir = pattern;
    return m_runDir;
}

std::string Session::nullCommandFile() { return scratchFile(kNullCommandFile, {}); }

std::string Session::scratchFile(const std::string& name, std::string_view bytes)
{
    const std::string path = runDir() + "/" + name;
    writeWorkingFile(path, bytes);
    return path;
}

std::string Session::text(std::string_view eightBit) const { return toUtf8(m_codePage.decode(eightBit)); }
std::string Session::eightBit(std::string_view utf8) const { return m_codePage.encode(fromUtf8(utf8)); }

bool Session::atTerminal() const { return !json() && ::isatty(STDERR_FILENO); }

void Session::note(const std::string& line) const
{
    if (atTerminal())
        std::fprintf(stderr, "q7ctl: %s\n", line.c_str());
}

}  // namespace q7::ctl
