// q7-player-sim: simulated Q7 players for trying the configuration tool without hardware.
//
//   q7-player-sim [--port PORT] [--journal FILE] [--deny NAME]... [--mute ADDRESS]... ADDRESS=FOLDER...
//
// Each ADDRESS=FOLDER is one player serving TFTP on ADDRESS:PORT (PORT from --port, else
// Q7_TFTP_PORT, else 69; 0 picks a free port shared by all). FOLDER is its TFTP root, FOLDER/HDD
// its disk and FOLDER/config.conf its configuration. Every request is journalled as one JSON
// line (to FILE, else FOLDER/journal.jsonl) and summed up on standard output. --deny refuses a
// name as requested ("/reboot") with "Access violation"; --mute makes a player drop every packet.
// SIGINT or SIGTERM stops it cleanly.

#include "server.h"

#include <algorithm>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <stdexcept>

namespace {

volatile std::sig_atomic_t g_stop = 0;

void requestStop(int) { g_stop = 1; }

constexpr const char* kUsage =
    "usage: q7-player-sim [--port PORT] [--journal FILE] [--deny NAME]... [--mute ADDRESS]... ADDRESS=FOLDER...\n";

int portNumber(std::string_view text)
{
    int port = -1;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), port);
    if (ec != std::errc() || end != text.data() + text.size() || port < 0 || port > 65535)
        throw std::runtime_error("not a port number: " + std::string(text));
    return port;
}

struct Options {
    int port = 69;
    std::string journal;
    std::vector<std::string> denied;
    std::vector<std::string> muted;
    std::vector<std::pair<std::string, std::string>> players;  // address, folder
};

Options parse(int argc, char** argv)
{
    Options options;
    if (const char* env = std::getenv("Q7_TFTP_PORT"); env && *env)
        options.port = portNumber(env);
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                throw std::runtime_error(std::string(arg) + " needs a value");
            return argv[++i];
        };
        if (arg == "--port")
            options.port = portNumber(value());
        else if (arg == "--journal")
            options.journal = value();
        else if (arg == "--deny")
            options.denied.push_back(value());
        else if (arg == "--mute")
            options.muted.push_back(value());
        else if (const size_t equals = arg.find('='); equals != std::string_view::npos && equals > 0 &&
                                                        equals + 1 < arg.size() && !arg.starts_with("-"))
            options.players.emplace_back(arg.substr(0, equals), arg.substr(equals + 1));
        else
            throw std::runtime_error("unknown argument: " + std::string(arg));
    }
    if (options.players.empty())
        throw std::runtime_error("no player given");
    return options;
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace q7sim;
    if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    // Signals are only let in while the server waits, so a stop request is never missed.
    sigset_t stopSignals, waitMask;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigprocmask(SIG_BLOCK, &stopSignals, &waitMask);
    sigdelset(&waitMask, SIGINT);
    sigdelset(&waitMask, SIGTERM);
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);  // a closed standard output must not end the players
    std::signal(SIGXFSZ, SIG_IGN);  // nor a file size limit: the write fails and is answered "Disk full"

    try {
        const Options options = parse(argc, argv);
        std::map<std::string, std::unique_ptr<Journal>> journals;
        std::vector<ServedPlayer> players;
        for (const auto& [address, folder] : options.players) {
            for (const ServedPlayer& other : players)
                if (other.player->address() == address)
                    throw std::runtime_error("player listed twice: " + address);
            ServedPlayer served;
            served.player = std::make_unique<Player>(address, folder);
            served.player->prepare();
            const std::string journal = options.journal.empty() ? folder + "/journal.jsonl" : options.journal;
            auto& slot = journals[journal];
            if (!slot)
                slot = std::make_unique<Journal>(journal);
            served.journal = slot.get();
            served.player->protect(journal);
            players.push_back(std::move(served));
        }
        for (const std::string& address : options.muted) {
            auto it = std::find_if(players.begin(), players.end(),
                                   [&](const ServedPlayer& served) { return served.player->address() == address; });
            if (it == players.end())
                throw std::runtime_error("--mute names no player: " + address);
            it->player->muted = true;
        }
        Server server(std::move(players), options.denied);
        const int port = server.bind(options.port);
        for (const auto& [address, folder] : options.players)
            std::printf("player %s (folder %s) listening on %s:%d\n", address.c_str(), folder.c_str(),
                        address.c_str(), port);
        std::fflush(stdout);
        server.run(g_stop, waitMask);
        std::printf("stopped\n");
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "q7-player-sim: %s\n%s", e.what(), kUsage);
        return 2;
    }
}
