#pragma once
// Each player's history in one SQLite database: when the sweep first and last found it, when it
// last answered an echo probe, every online/offline change and every transfer outcome. Writes go
// through a queue to a thread of their own and are committed in batches, so callers never wait for
// the disk; reads run on the caller's thread (WAL lets them go on beside the writer). A writable
// database is opened on the writer thread, so creating the history never waits for the disk either:
// what is queued meanwhile is written once it is open, and reads wait for the opening. A database
// that cannot be opened, is damaged or stays locked is reported once; from then on the history
// does nothing and the tool goes on without it. The file is never deleted or rewritten here.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

struct sqlite3;

namespace q7 {

using HistoryClock = std::chrono::system_clock;

struct HistoryEvent {
    enum class Kind { Found, Online, Offline, Transfer };
    std::string address;
    Kind kind;
    int64_t time = 0;    // seconds since the epoch
    std::string detail;  // for a transfer: "Reboot: done"
};

struct PlayerSummary {
    std::optional<int64_t> firstFound, lastFound;  // by the sweep
    std::optional<int64_t> lastSeen;               // found by the sweep or answering an echo probe
    int outages = 0;                               // online-to-offline changes in the period asked for
};

const char* historyKindName(HistoryEvent::Kind kind);

class PlayerHistory {
public:
    using Reporter = std::function<void(const std::string& message)>;

    inline static constexpr int kKeepDays = 90;

    // ReadOnly only reads what is there: a missing database is not created (the history is then
    // empty, and nothing is reported), a read-only file is read, and nothing is ever written.
    enum class Access { ReadWrite, ReadOnly };

    // Opens (or creates) the database at `path` (ReadWrite: on the writer thread); `report` is told
    // once when history is given up, from whichever thread found out. `now` stands in for the clock
    // in tests.
    PlayerHistory(std::string path, Reporter report, std::function<int64_t()> now = {},
                  Access access = Access::ReadWrite);
    ~PlayerHistory();  // commits what is queued
    PlayerHistory(const PlayerHistory&) = delete;
    PlayerHistory& operator=(const PlayerHistory&) = delete;

    // $XDG_DATA_HOME/q7-config-tool/history.sqlite3 (~/.local/share/... without it).
    static std::string defaultPath();

    bool available() const;  // waits for the opening

    // Queued; none of these waits for the disk.
    void found(const std::string& address);
    void answered(const std::string& address, bool online, bool changed);
    void transfer(const std::string& address, const std::string& detail);

    // Blocks until everything queued so far is committed (tests, shut-down, the command line).
    void flush();

    PlayerSummary summary(const std::string& address, int days = 7);
    // The address's events, newest first, at most `limit`.
    std::vector<HistoryEvent> events(const std::string& address, size_t limit = 1000);
    // Summary of every address in the database.
    std::vector<std::pair<std::string, PlayerSummary>> allSummaries(int days = 7);

private:
    struct Pending {
        std::string address;
        int kind;  // HistoryEvent::Kind, or -1 for "answered without change"
        int64_t time;
        std::string detail;
    };

    void open();  // then says the opening has ended
    void openDatabases();
    void writerLoop(std::stop_token stop);
    bool commit(std::vector<Pending>& batch);
    void giveUp(const std::string& why);
    void enqueue(Pending pending);
    int64_t now() const;

    std::string m_path;
    Reporter m_report;
    std::function<int64_t()> m_now;
    Access m_access;
    sqlite3* m_writer = nullptr;  // used by the writer thread only, once it runs
    sqlite3* m_reader = nullptr;  // used by the owner's thread only

    mutable std::mutex m_mutex;
    std::condition_variable_any m_wake;
    mutable std::condition_variable m_committed;  // also: the opening has ended
    std::vector<Pending> m_queue;
    uint64_t m_queuedCount = 0, m_committedCount = 0;
    int m_flushWaiters = 0;
    bool m_opened = false;  // the opening has ended, well or not
    bool m_failed = false;
    bool m_reported = false;
    std::jthread m_thread;
};

}  // namespace q7
