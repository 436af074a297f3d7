// The one command sequencer: which transfers each command starts for which player and in what
// order, the waits between them, a player whose step failed going no further, and stopping a
// command between its steps or during a wait.
#include "core/commands/sequence.h"
#include "support/tempdir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <functional>
#include <map>
#include <set>

using namespace q7;
using namespace q7::commands;
using namespace q7::test;

namespace {

std::vector<Target> players(int count)
{
    std::vector<Target> targets;
    for (int row = 0; row < count; ++row)
        targets.push_back({.row = row, .address = "127.0.0." + std::to_string(row + 2), .name = "P" + std::to_string(row)});
    return targets;
}

SequenceFiles files(const TempDir& dir)
{
    return {.commandFile = "E", .chosen = "C", .scratch = "S", .message = "M",
            .perPlayer = [](const Target& t) { return t.address + "_config.conf"; }, .fetchDir = dir.path(),
            .port = "69"};
}

// "put /x <- LOCAL @ADDRESS" / "get /y -> NAME @ADDRESS" / "wait a-b/m x ms".
std::string describe(const Sequence::Transfer& transfer)
{
    const TftpCommand& c = transfer.command;
    return c.direction == TransferDirection::Put ? "put " + c.remoteName + " <- " + c.localName + " @" + c.address
                                                 : "get " + c.remoteName + " -> " + c.localName + " @" + c.address;
}

// Runs the sequence as a blocking front end does: every transfer ends before the next question.
// `failing` holds "remote@address" transfers that fail.
std::vector<std::string> runBlocking(Sequence& sequence, const std::set<std::string>& failing = {})
{
    std::vector<std::string> trace;
    for (int guard = 0; guard < 50; ++guard) {
        Sequence::Next next = sequence.next();
        switch (next.kind) {
        case Sequence::Next::Kind::Start:
            for (const Sequence::Transfer& t : next.transfers) {
                trace.push_back(describe(t));
                const bool fails = failing.count(t.command.remoteName + "@" + t.command.address) > 0;
                sequence.transferEnded(t.player, fails ? TransferOutcome{TransferOutcome::Kind::Failed, "refused"}
                                                       : TransferOutcome{TransferOutcome::Kind::Done, {}});
            }
            break;
        case Sequence::Next::Kind::Wait:
            trace.push_back("wait " + std::to_string(next.pace.from) + "-" + std::to_string(next.pace.to) + "/" +
                            std::to_string(next.pace.maximum) + " " + std::to_string(next.pace.durationMs()) + " ms" +
                            (next.pace.forFetch ? " for the fetch" : ""));
            sequence.waitEnded();
            break;
        case Sequence::Next::Kind::Pending:
            trace.push_back("pending");
            return trace;
        case Sequence::Next::Kind::Finished:
            return trace;
        }
    }
    ADD_FAILURE() << "the sequence never finished";
    return trace;
}

TEST(Sequence, eachCommandRunsItsStepsInOrderWithItsPacedWaits)
{
    struct Case {
        const Command* command;
        std::vector<std::string> trace;
    };
    const Case cases[] = {
        {commandNamed("reboot"), {"put /reboot <- E @127.0.0.2"}},
        {commandNamed("volume"), {"put /multicmd.txt <- S @127.0.0.2"}},
        {commandNamed("put-list play"), {"put /play.lst <- C @127.0.0.2"}},
        {commandNamed("delete-files"),
         {"put /delete.lst <- C @127.0.0.2", "wait 0-5/5 6000 ms", "put /delfiles <- E @127.0.0.2"}},
        {commandNamed("restore-config"),
         {"put /config.conf.put <- C @127.0.0.2", "wait 0-3/3 4000 ms", "put /restoreconfig <- E @127.0.0.2"}},
        {commandNamed("hdd-list"),
         {"put /getfiles <- E @127.0.0.2", "wait 0-5/15 6000 ms", "get /Q7files -> Q7_0_q7files.txt @127.0.0.2"}},
        {commandNamed("backup-config"),
         {"put /saveconfig <- E @127.0.0.2", "wait 0-5/15 6000 ms", "get /config.conf -> Q7_0_config.conf @127.0.0.2"}},
        {&backupCommand(),
         {"put /saveconfig <- E @127.0.0.2", "wait 0-50/100 5100 ms", "get /config.conf -> Q7_0_ @127.0.0.2"}},
        {&compareCommand(),
         {"put /saveconfig <- E @127.0.0.2", "wait 0-50/100 5100 ms",
          "get /config.conf -> Q7_0_compare.conf @127.0.0.2"}},
        {&restoreCommand(),
         {"put /config.conf.put <- 127.0.0.2_config.conf @127.0.0.2", "wait 0-70/70 7100 ms",
          "put /restoreconfig <- E @127.0.0.2"}},
        {&comparePutCommand(),
         {"put /config.conf.put <- 127.0.0.2_config.conf @127.0.0.2", "wait 0-70/70 7100 ms",
          "put /restoreconfig <- E @127.0.0.2"}},
        {&getMessageCommand(), {"get /message_old.txt -> Q7_0_message_old.txt @127.0.0.2"}},
        {&bitmapMessageCommand(), {"put /message.target <- M @127.0.0.2"}},
        {commandFor(group(GroupId::System), 8), {}},  // the empty item sends nothing
    };
    TempDir dir;
    for (const Case& c : cases) {
        ASSERT_NE(c.command, nullptr);
        Sequence sequence(*c.command, players(1), files(dir));
        EXPECT_EQ(runBlocking(sequence), c.trace) << c.command->item;
        EXPECT_TRUE(sequence.done(0)) << c.command->item;
        EXPECT_FALSE(sequence.busy());
        if (const Step* fetch = c.command->fetch()) {
            EXPECT_EQ(sequence.players()[0].fetched, dir.file("Q7_0_" + std::string(fetch->suffix)));
        }
    }
    EXPECT_EQ(commandNamed("playmode single")->text, "Signle");
    EXPECT_EQ(commandNamed("no such command"), nullptr);
}

// Runs the sequence as the window does, on a clock of its own: a step's clients and the wait after
// it start together, each client ends `takes` ms after it started ("get /x@ADDRESS" or "put /x@ADDRESS";
// a put takes 10 ms and a get 20 ms unless given) and each wait ends after its length. Returns when
// the command finished, in ms from the start; the clients still running then end afterwards.
long finishedAfter(Sequence& sequence, const std::map<std::string, long>& takes)
{
    std::multimap<long, std::function<void()>> due;
    long now = 0, finished = -1;
    int wait = 0;  // the wait a timer belongs to
    const auto ask = [&] {
        for (;;) {
            Sequence::Next next = sequence.next();
            if (next.kind == Sequence::Next::Kind::Start) {
                for (const Sequence::Transfer& t : next.transfers) {
                    const bool get = t.command.direction == TransferDirection::Get;
                    const std::string name = (get ? "get " : "put ") + t.command.remoteName + "@" + t.command.address;
                    const auto given = takes.find(name);
                    due.emplace(now + (given != takes.end() ? given->second : get ? 20 : 10), [&sequence, t] {
                        sequence.transferEnded(t.player, {TransferOutcome::Kind::Done, {}});
                    });
                }
                continue;
            }
            if (next.kind == Sequence::Next::Kind::Wait)
                due.emplace(now + next.pace.durationMs(), [&sequence, &wait, mine = ++wait] {
                    if (mine == wait)
                        sequence.waitEnded();
                });
            if (next.kind == Sequence::Next::Kind::Finished && finished < 0)
                finished = now;
            return;
        }
    };
    ask();
    while (!due.empty()) {
        now = due.begin()->first;
        const std::function<void()> event = due.begin()->second;
        due.erase(due.begin());
        event();
        ask();
    }
    return finished;
}

// A wait that only lets fetches arrive ends with the last of them, never later than its length;
// the wait before the fetches (the players preparing the file) keeps its length exactly.
TEST(Sequence, aWaitForFetchesEndsWithTheirLastEndAndNeverLater)
{
    struct Case {
        const char* what;
        const Command* command;
        std::map<std::string, long> takes;
        long finished;
    };
    const Case cases[] = {
        {"Compare players: 5100 ms for the players, then the slowest fetch", &compareCommand(),
         {{"get /config.conf@127.0.0.3", 70}}, 5100 + 70},
        {"a fetch that hangs: the wait's full length", &compareCommand(), {{"get /config.conf@127.0.0.3", 60000}},
         5100 + 5000},
        {"a put slower than the wait before the fetch: that player's fetch follows its put", commandNamed("hdd-list"),
         {{"put /getfiles@127.0.0.4", 8000}}, 8000 + 20},
        {"a fetch alone: its wait ends with it", &getMessageCommand(), {{"get /message_old.txt@127.0.0.2", 300}}, 300},
        {"no fetch: the wait keeps its length", commandNamed("restore-config"),
         {{"put /config.conf.put@127.0.0.2", 5}}, 4000},
    };
    TempDir dir;
    for (const Case& c : cases) {
        Sequence sequence(*c.command, players(3), files(dir), Sequence::Waits::Always);
        EXPECT_EQ(finishedAfter(sequence, c.takes), c.finished) << c.what;
        for (size_t p = 0; p < 3; ++p)
            EXPECT_EQ(sequence.outcomeText(p), "done") << c.what;
    }
}

TEST(Sequence, aPlayerWhoseStepFailedGetsNoLaterStep)
{
    TempDir dir;
    // Three players; the second refuses the list, the third the command after it.
    Sequence sequence(*commandNamed("delete-files"), players(3), files(dir));
    const std::vector<std::string> trace =
        runBlocking(sequence, {"/delete.lst@127.0.0.3", "/delfiles@127.0.0.4"});
    EXPECT_EQ(trace, (std::vector<std::string>{
                         "put /delete.lst <- C @127.0.0.2", "put /delete.lst <- C @127.0.0.3",
                         "put /delete.lst <- C @127.0.0.4", "wait 0-5/5 6000 ms", "put /delfiles <- E @127.0.0.2",
                         "put /delfiles <- E @127.0.0.4"}));
    EXPECT_EQ(sequence.outcomeText(0), "done");
    EXPECT_EQ(sequence.outcomeText(1), "failed (put /delete.lst: refused)");
    EXPECT_EQ(sequence.outcomeText(2), "failed (put /delfiles: refused)");

    // Nobody left going: no fetch, and no wait unless the front end keeps its waits regardless.
    Sequence nobody(*commandNamed("hdd-list"), players(1), files(dir));
    EXPECT_EQ(runBlocking(nobody, {"/getfiles@127.0.0.2"}), (std::vector<std::string>{"put /getfiles <- E @127.0.0.2"}));
    Sequence offline(restoreCommand(), {}, files(dir), Sequence::Waits::Always);
    EXPECT_EQ(runBlocking(offline), (std::vector<std::string>{"wait 0-70/70 7100 ms"}));
}

// The window starts a step's clients and its wait at once; a player's next step waits for both
// the wait and its own transfer before it.
TEST(Sequence, theNextStepWaitsForTheWaitAndForThePlayersOwnTransfer)
{
    TempDir dir;
    Sequence sequence(restoreCommand(), players(3), files(dir));
    Sequence::Next first = sequence.next();
    ASSERT_EQ(first.kind, Sequence::Next::Kind::Start);
    ASSERT_EQ(first.transfers.size(), 3u);
    EXPECT_EQ(transferCaption(restoreCommand(), first.transfers[0].command.remoteName), "Restore /config.conf.put");
    ASSERT_EQ(sequence.next().kind, Sequence::Next::Kind::Wait);  // while the puts still run
    EXPECT_TRUE(sequence.waiting());
    sequence.transferEnded(0, {TransferOutcome::Kind::Done, {}});
    sequence.transferEnded(1, {TransferOutcome::Kind::Failed, "Transfer timed out."});
    EXPECT_EQ(sequence.next().kind, Sequence::Next::Kind::Pending);  // nothing before the wait ends
    sequence.waitEnded();
    Sequence::Next second = sequence.next();
    ASSERT_EQ(second.kind, Sequence::Next::Kind::Start);
    ASSERT_EQ(second.transfers.size(), 1u);
    EXPECT_EQ(describe(second.transfers[0]), "put /restoreconfig <- E @127.0.0.2");
    EXPECT_EQ(sequence.next().kind, Sequence::Next::Kind::Pending);  // the third's put still runs
    EXPECT_TRUE(sequence.busy());
    sequence.transferEnded(2, {TransferOutcome::Kind::Done, {}});
    Sequence::Next late = sequence.next();
    ASSERT_EQ(late.kind, Sequence::Next::Kind::Start);
    EXPECT_EQ(describe(late.transfers.at(0)), "put /restoreconfig <- E @127.0.0.4");
    EXPECT_EQ(sequence.next().kind, Sequence::Next::Kind::Finished);
    // Puts of the last step may go on by themselves; the command no longer holds anything up.
    EXPECT_FALSE(sequence.busy());
    EXPECT_EQ(sequence.running(), (std::vector<size_t>{0, 2}));
}

TEST(Sequence, stoppingBetweenStepsOrDuringAWaitSendsNothingMore)
{
    TempDir dir;
    struct Case {
        const char* when;
        int answeredBeforeStop;  // transfers of the first step that ended before the stop
        bool inWait;
    };
    for (const Case c : {Case{"during the wait", 1, true}, Case{"before the wait", 0, false}}) {
        Sequence sequence(backupCommand(), players(2), files(dir));
        ASSERT_EQ(sequence.next().kind, Sequence::Next::Kind::Start);
        if (c.inWait) {
            ASSERT_EQ(sequence.next().kind, Sequence::Next::Kind::Wait);
        }
        for (int p = 0; p < c.answeredBeforeStop; ++p)
            sequence.transferEnded(size_t(p), {TransferOutcome::Kind::Done, {}});
        const std::vector<size_t> running = sequence.running();
        sequence.stop("stopped");
        EXPECT_EQ(sequence.running(), running) << c.when;  // the front end ends these clients
        EXPECT_EQ(sequence.next().kind, Sequence::Next::Kind::Finished) << c.when;
        sequence.waitEnded();
        for (size_t p : running)
            sequence.transferEnded(p, {TransferOutcome::Kind::Done, {}});
        EXPECT_EQ(sequence.next().kind, Sequence::Next::Kind::Finished) << c.when;
        EXPECT_FALSE(sequence.busy()) << c.when;
        EXPECT_EQ(sequence.outcomeText(1), "failed (stopped)") << c.when;
    }

    // A fetch still being written keeps a finished command busy until it ends or is stopped.
    Sequence fetching(getMessageCommand(), players(1), files(dir));
    ASSERT_EQ(fetching.next().kind, Sequence::Next::Kind::Start);
    ASSERT_EQ(fetching.next().kind, Sequence::Next::Kind::Wait);
    fetching.waitEnded();
    EXPECT_EQ(fetching.next().kind, Sequence::Next::Kind::Finished);
    EXPECT_TRUE(fetching.busy());
    fetching.stop("stopped");
    EXPECT_EQ(fetching.running(), (std::vector<size_t>{0}));
    fetching.transferEnded(0, {TransferOutcome::Kind::Failed, "killed"});
    EXPECT_FALSE(fetching.busy());
    EXPECT_EQ(fetching.outcomeText(0), "failed (stopped)");
    // Its temporary was made in the fetch folder, for the front end to remove with the client.
    size_t temporaries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        temporaries += entry.path().filename().string().starts_with("tftp-Q7_0_message_old.txt-") ? 1 : 0;
    EXPECT_EQ(temporaries, 1u);
}

}  // namespace
