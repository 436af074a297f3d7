// The Linux process starter: ends reported later from the event loop with status and output, a
// missing program told apart, programs left running when the starter goes away, and a program
// stopped early.
#include "gui/platform/process.h"
#include "support/tempdir.h"
#include "support/qtwait.h"

#include <QTest>
#include <cerrno>
#include <csignal>
#include <gtest/gtest.h>
#include <optional>

using namespace q7;
using namespace q7::test;

namespace {

TEST(ProcessStarterTest, reportsStatusAndOutputLater)
{
    TempDir dir;
    const QString here = QString::fromStdString(dir.path());
    const struct {
        QString program;
        QStringList arguments;
        QString workingDir;
        ProcessExit::How how;
        int code;
        QByteArray output;
    } cases[] = {
        {"sh", {"-c", "pwd; echo oops >&2; exit 3"}, here, ProcessExit::How::Exited, 3,
         QByteArray(dir.path().c_str()) + "\noops\n"},
        {"sh", {"-c", "read line; echo \"[$line]\""}, here, ProcessExit::How::Exited, 0, "[]\n"},  // input is empty
        {"sh", {"-c", "printf '%s|' \"$@\"", "sh", "a b", "c:d"}, here, ProcessExit::How::Exited, 0, "a b|c:d|"},
        {"sh", {"-c", "kill -TERM $$"}, here, ProcessExit::How::Signalled, SIGTERM, ""},
        {"q7-no-such-program", {}, here, ProcessExit::How::NotStarted, ENOENT, ""},
        {"sh", {"-c", "true"}, here + "/missing", ProcessExit::How::NotStarted, ENOTDIR, ""},
    };
    QtProcessStarter starter;
    std::vector<std::optional<ProcessExit>> ends(std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i)
        starter.start(cases[i].program, cases[i].arguments, cases[i].workingDir,
                      [&ends, i](const ProcessExit& exit) { ends[i] = exit; });
    for (const auto& end : ends)
        EXPECT_FALSE(end.has_value());  // never reported within start()
    for (size_t i = 0; i < std::size(cases); ++i) {
        Q7_WAIT_VERIFY_WITH_TIMEOUT(ends[i].has_value(), 10000);
        EXPECT_EQ(ends[i]->how, cases[i].how) << i;
        EXPECT_EQ(ends[i]->code, cases[i].code) << i;
        EXPECT_EQ(ends[i]->output.toStdString(), cases[i].output.toStdString()) << i;
    }
}

TEST(ProcessStarterTest, programsOutliveTheStarter)
{
    TempDir dir;
    bool reported = false;
    {
        QtProcessStarter starter;
        starter.start("sh", {"-c", "sleep 0.3; echo finished > out.txt"}, QString::fromStdString(dir.path()),
                      [&](const ProcessExit&) { reported = true; });
    }
    Q7_WAIT_VERIFY_WITH_TIMEOUT(readBytes(dir.file("out.txt")) == "finished\n", 10000);
    EXPECT_FALSE(reported);
}

// A stopped program is killed and collected before stop() returns (not even a zombie is left),
// and its end is never reported.
TEST(ProcessStarterTest, stopEndsAProgramAtOnceAndDropsItsReport)
{
    TempDir dir;
    QtProcessStarter starter;
    bool reported = false;
    const ProcessHandle handle = starter.start("sh", {"-c", "echo $$ > pid; exec sleep 30"},
                                               QString::fromStdString(dir.path()),
                                               [&](const ProcessExit&) { reported = true; });
    Q7_WAIT_VERIFY_WITH_TIMEOUT(readBytes(dir.file("pid")).ends_with("\n"), 10000);
    const pid_t pid = std::stoi(readBytes(dir.file("pid")));
    starter.stop(handle);
    EXPECT_EQ(::kill(pid, 0), -1);
    EXPECT_EQ(errno, ESRCH);
    starter.stop(handle);  // once more: nothing left to stop
    QTest::qWait(100);
    EXPECT_FALSE(reported);
}

}  // namespace
