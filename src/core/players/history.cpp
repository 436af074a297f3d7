#include "core/players/history.h"

#include "core/base/translatable.h"

#include <cstdlib>
#include <filesystem>
#include <sqlite3.h>

namespace fs = std::filesystem;

namespace q7 {
namespace {

constexpr int kAnsweredOnly = -1;
constexpr int kWriterBusyMs = 2000;  // another writer holding the database this long counts as locked
constexpr int kReaderBusyMs = 50;    // a read on the window's thread never waits longer than this
constexpr auto kBatchDelay = std::chrono::milliseconds(200);

const char* const kSchema = R"sql(
CREATE TABLE IF NOT EXISTS players(
  address TEXT PRIMARY KEY, first_found INTEGER, last_found INTEGER, last_seen INTEGER);
CREATE TABLE IF NOT EXISTS events(
  address TEXT NOT NULL, time INTEGER NOT NULL, kind TEXT NOT NULL, detail TEXT NOT NULL DEFAULT '');
CREATE INDEX IF NOT EXISTS events_by_address ON events(address, time);
CREATE INDEX IF NOT EXISTS events_by_kind ON events(address, kind, time);
)sql";

// A prepared statement that finalises itself.
class Statement {
public:
    Statement(sqlite3* db, const char* sql) { m_ok = sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr) == SQLITE_OK; }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool ok() const { return m_ok; }
    Statement& bind(int index, const std::string& text)
    {
        sqlite3_bind_text(m_stmt, index, text.data(), int(text.size()), SQLITE_TRANSIENT);
        return *this;
    }
    Statement& bind(int index, int64_t value)
    {
        sqlite3_bind_int64(m_stmt, index, value);
        return *this;
    }
    int step() { return m_ok ? sqlite3_step(m_stmt) : SQLITE_ERROR; }
    void reset()
    {
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
    }
    std::optional<int64_t> integer(int column) const
    {
        if (sqlite3_column_type(m_stmt, column) == SQLITE_NULL)
            return std::nullopt;
        return sqlite3_column_int64(m_stmt, column);
    }
    std::string text(int column) const
    {
        const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
        return bytes ? std::string(bytes, size_t(sqlite3_column_bytes(m_stmt, column))) : std::string();
    }

private:
    sqlite3_stmt* m_stmt = nullptr;
    bool m_ok = false;
};

HistoryEvent::Kind kindFromName(const std::string& name)
{
    for (auto kind : {HistoryEvent::Kind::Found, HistoryEvent::Kind::Online, HistoryEvent::Kind::Offline})
        if (name == historyKindName(kind))
            return kind;
    return HistoryEvent::Kind::Transfer;
}

int64_t systemNow()
{
    return std::chrono::duration_cast<std::chrono::seconds>(HistoryClock::now().time_since_epoch()).count();
}

std::string errorText(sqlite3* db) { return db ? sqlite3_errmsg(db) : "out of memory"; }

}  // namespace

const char* historyKindName(HistoryEvent::Kind kind)
{
    // Stored as they are; the window shows them in the operator's language.
    switch (kind) {
    //: An event of the player history: a network search found the player.
    case HistoryEvent::Kind::Found: return Q7_TRANSLATABLE("PlayerHistory", "found");
    //: An event of the player history: the player answered again.
    case HistoryEvent::Kind::Online: return Q7_TRANSLATABLE("PlayerHistory", "online");
    //: An event of the player history: the player stopped answering.
    case HistoryEvent::Kind::Offline: return Q7_TRANSLATABLE("PlayerHistory", "offline");
    //: An event of the player history: a file was sent to or fetched from the player.
    case HistoryEvent::Kind::Transfer: return Q7_TRANSLATABLE("PlayerHistory", "transfer");
    }
    return "transfer";
}

std::string PlayerHistory::defaultPath()
{
    const char* data = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    const fs::path base = data && *data ? fs::path(data) : fs::path(home ? home : ".") / ".local/share";
    return (base / "q7-config-tool" / "history.sqlite3").string();
}

PlayerHistory::PlayerHistory(std::string path, Reporter report, std::function<int64_t()> now, Access access)
    : m_path(std::move(path)), m_report(std::move(report)), m_now(std::move(now)), m_access(access)
{
    if (m_access == Access::ReadOnly) {
        open();
        return;
    }
    m_thread = std::jthread([this](std::stop_token stop) {
        open();
        if (available())
            writerLoop(stop);
    });
}

PlayerHistory::~PlayerHistory()
{
    if (m_thread.joinable()) {
        m_thread.request_stop();
        m_wake.notify_all();
        m_thread.join();
    }
    sqlite3_close(m_reader);
    sqlite3_close(m_writer);
}

int64_t PlayerHistory::now() const { return m_now ? m_now() : systemNow(); }

void PlayerHistory::open()
{
    openDatabases();
    {
        const std::lock_guard lock(m_mutex);
        m_opened = true;
    }
    m_committed.notify_all();
}

void PlayerHistory::openDatabases()
{
    std::error_code ec;
    if (m_access == Access::ReadOnly) {
        if (!fs::exists(m_path, ec)) {
            const std::lock_guard lock(m_mutex);
            m_failed = m_reported = true;  // no history kept yet: nothing to read, nothing to say
            return;
        }
        if (sqlite3_open_v2(m_path.c_str(), &m_reader, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr) !=
            SQLITE_OK)
            return giveUp(errorText(m_reader));
        sqlite3_busy_timeout(m_reader, kReaderBusyMs);
        Statement check(m_reader, "PRAGMA quick_check");
        if (check.step() != SQLITE_ROW || check.text(0) != "ok")
            return giveUp(check.ok() ? "the database is damaged" : errorText(m_reader));
        return;
    }
    fs::create_directories(fs::path(m_path).parent_path(), ec);
    if (sqlite3_open_v2(m_path.c_str(), &m_writer, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK)
        return giveUp(errorText(m_writer));
    sqlite3_busy_timeout(m_writer, kWriterBusyMs);
    // The first statement shows whether the file is a database at all, and an undamaged one.
    {
        Statement check(m_writer, "PRAGMA quick_check");
        if (check.step() != SQLITE_ROW || check.text(0) != "ok")
            return giveUp(check.ok() ? "the database is damaged" : errorText(m_writer));
    }
    char* error = nullptr;
    if (sqlite3_exec(m_writer, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;", nullptr, nullptr, &error) != SQLITE_OK ||
        sqlite3_exec(m_writer, kSchema, nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string why = error ? error : errorText(m_writer);
        sqlite3_free(error);
        return giveUp(why);
    }
    Statement prune(m_writer, "DELETE FROM events WHERE time < ?");
    prune.bind(1, now() - int64_t(kKeepDays) * 86400);
    if (prune.step() != SQLITE_DONE)
        return giveUp(errorText(m_writer));

    if (sqlite3_open_v2(m_path.c_str(), &m_reader, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK)
        return giveUp(errorText(m_reader));
    sqlite3_busy_timeout(m_reader, kReaderBusyMs);
}

void PlayerHistory::giveUp(const std::string& why)
{
    bool tell = false;
    {
        const std::lock_guard lock(m_mutex);
        m_failed = true;
        m_queue.clear();
        tell = !m_reported;
        m_reported = true;
    }
    m_committed.notify_all();
    if (tell && m_report)
        m_report("The player history (" + m_path + ") cannot be used: " + why +
                 ". The tool goes on without keeping history.");
}

bool PlayerHistory::available() const
{
    std::unique_lock lock(m_mutex);
    m_committed.wait(lock, [&] { return m_opened; });
    return !m_failed;
}

void PlayerHistory::enqueue(Pending pending)
{
    {
        const std::lock_guard lock(m_mutex);
        if (m_failed || m_access == Access::ReadOnly)
            return;
        m_queue.push_back(std::move(pending));
        ++m_queuedCount;
    }
    m_wake.notify_all();
}

void PlayerHistory::found(const std::string& address)
{
    enqueue({address, int(HistoryEvent::Kind::Found), now(), {}});
}

void PlayerHistory::answered(const std::string& address, bool online, bool changed)
{
    if (changed)
        enqueue({address, int(online ? HistoryEvent::Kind::Online : HistoryEvent::Kind::Offline), now(), {}});
    else if (online)
        enqueue({address, kAnsweredOnly, now(), {}});
}

void PlayerHistory::transfer(const std::string& address, const std::string& detail)
{
    enqueue({address, int(HistoryEvent::Kind::Transfer), now(), detail});
}

void PlayerHistory::flush()
{
    std::unique_lock lock(m_mutex);
    if (m_access == Access::ReadOnly)
        return;
    const uint64_t target = m_queuedCount;
    ++m_flushWaiters;
    m_wake.notify_all();
    m_committed.wait(lock, [&] { return m_opened && (m_failed || m_committedCount >= target); });
    --m_flushWaiters;
}

void PlayerHistory::writerLoop(std::stop_token stop)
{
    while (true) {
        std::vector<Pending> batch;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, stop, [&] { return !m_queue.empty(); });
            if (m_queue.empty())
                return;  // asked to stop with nothing left
            // Let a burst (an echo pass, a sweep) gather into one transaction, unless someone waits.
            m_wake.wait_for(lock, stop, kBatchDelay, [&] { return m_flushWaiters > 0; });
            batch.swap(m_queue);
        }
        if (!commit(batch))
            return;
        {
            const std::lock_guard lock(m_mutex);
            m_committedCount += batch.size();
        }
        m_committed.notify_all();
    }
}

bool PlayerHistory::commit(std::vector<Pending>& batch)
{
    if (sqlite3_exec(m_writer, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) {
        giveUp(errorText(m_writer));
        return false;
    }
    Statement event(m_writer, "INSERT INTO events(address, time, kind, detail) VALUES(?, ?, ?, ?)");
    Statement found(m_writer,
                    "INSERT INTO players(address, first_found, last_found, last_seen) VALUES(?1, ?2, ?2, ?2) "
                    "ON CONFLICT(address) DO UPDATE SET first_found = coalesce(first_found, ?2), last_found = ?2, "
                    "last_seen = max(coalesce(last_seen, 0), ?2)");
    Statement seen(m_writer, "INSERT INTO players(address, last_seen) VALUES(?1, ?2) "
                             "ON CONFLICT(address) DO UPDATE SET last_seen = max(coalesce(last_seen, 0), ?2)");
    bool ok = event.ok() && found.ok() && seen.ok();
    for (const Pending& p : batch) {
        if (!ok)
            break;
        const bool isFound = p.kind == int(HistoryEvent::Kind::Found);
        const bool isSeen = p.kind == kAnsweredOnly || p.kind == int(HistoryEvent::Kind::Online);
        if (isFound || isSeen) {
            Statement& upsert = isFound ? found : seen;
            ok = upsert.bind(1, p.address).bind(2, p.time).step() == SQLITE_DONE;
            upsert.reset();
        }
        if (ok && p.kind != kAnsweredOnly) {
            ok = event.bind(1, p.address)
                     .bind(2, p.time)
                     .bind(3, std::string(historyKindName(HistoryEvent::Kind(p.kind))))
                     .bind(4, p.detail)
                     .step() == SQLITE_DONE;
            event.reset();
        }
    }
    if (!ok || sqlite3_exec(m_writer, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
        const std::string why = errorText(m_writer);
        sqlite3_exec(m_writer, "ROLLBACK", nullptr, nullptr, nullptr);
        giveUp(why);
        return false;
    }
    return true;
}

PlayerSummary PlayerHistory::summary(const std::string& address, int days)
{
    PlayerSummary result;
    if (!available())
        return result;
    Statement player(m_reader, "SELECT first_found, last_found, last_seen FROM players WHERE address = ?");
    if (player.bind(1, address).step() == SQLITE_ROW) {
        result.firstFound = player.integer(0);
        result.lastFound = player.integer(1);
        result.lastSeen = player.integer(2);
    }
    Statement outages(m_reader, "SELECT count(*) FROM events WHERE address = ? AND kind = 'offline' AND time >= ?");
    if (outages.bind(1, address).bind(2, now() - int64_t(days) * 86400).step() == SQLITE_ROW)
        result.outages = int(outages.integer(0).value_or(0));
    return result;
}

std::vector<HistoryEvent> PlayerHistory::events(const std::string& address, size_t limit)
{
    std::vector<HistoryEvent> result;
    if (!available())
        return result;
    Statement query(m_reader,
                    "SELECT time, kind, detail FROM events WHERE address = ? ORDER BY time DESC, rowid DESC LIMIT ?");
    query.bind(1, address).bind(2, int64_t(limit));
    while (query.step() == SQLITE_ROW)
        result.push_back({address, kindFromName(query.text(1)), query.integer(0).value_or(0), query.text(2)});
    return result;
}

std::vector<std::pair<std::string, PlayerSummary>> PlayerHistory::allSummaries(int days)
{
    std::vector<std::pair<std::string, PlayerSummary>> result;
    if (!available())
        return result;
    Statement query(m_reader, "SELECT address FROM players UNION SELECT DISTINCT address FROM events ORDER BY 1");
    std::vector<std::string> addresses;
    while (query.step() == SQLITE_ROW)
        addresses.push_back(query.text(0));
    for (const std::string& address : addresses)
        result.emplace_back(address, summary(address, days));
    return result;
}

}  // namespace q7
