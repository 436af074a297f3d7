#pragma once
// Fakes for the platform seams: dialogs answered in advance, a fixed system, recorded processes.

#include "gui/mainwindow/services.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/process.h"
#include "gui/platform/system.h"
#include "gui/platform/viewer.h"
#include "support/fakenetwork.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <ostream>
#include <utility>
#include <vector>

// Readable Qt strings in test failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& list, std::ostream* out)
{
    *out << '{';
    for (const QString& text : list)
        *out << " \"" << text.toStdString() << '"';
    *out << " }";
}

namespace q7 {
class PlayerListView;
}

namespace q7::test {

class FakeDialogs final : public Dialogs {
public:
    struct FileRequest {
        bool save;
        QString filter;
        int filterIndex;
        QString fileName;
    };

    // Answers for the next file, font and colour dialogs; std::nullopt means "Cancel".
    // A dialog with no answer queued fails the test and is cancelled.
    std::deque<std::optional<QString>> fileAnswers;
    std::deque<std::optional<QString>> folderAnswers;
    std::deque<std::optional<QFont>> fontAnswers;
    std::deque<std::optional<QColor>> colorAnswers;

    // Answers for the question asked when the window closes while commands still run; with none
    // queued the test fails and the answer is "Wait".
    std::deque<StillRunningAnswer> stillRunningAnswers;

    std::vector<QString> messages;
    std::vector<QString> errors;
    std::vector<FileRequest> fileRequests;
    std::vector<QString> stillRunningQuestions;

    // Answers for yes/no questions (none queued: the test fails, the answer is "No"), and for the
    // question a window asks when its folder's settings are held by another (none queued: fails, "Quit").
    std::deque<bool> yesNoAnswers;
    std::vector<QString> yesNoQuestions;
    std::deque<SettingsInUseAnswer> settingsInUseAnswers;
    std::vector<QString> settingsInUseQuestions;

    void showMessage(const QString& text) override { messages.push_back(text); }
    void showError(const QString& text) override { errors.push_back(text); }
    std::optional<QString> openFileName(const QString& filter, int filterIndex, const QString& fileName) override;
    std::optional<QString> saveFileName(const QString& filter, int filterIndex, const QString& fileName) override;
    std::optional<QString> chooseFolder(const QString& caption, const QString& folder) override;
    std::optional<QFont> chooseFont(const QFont& initial) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;
    StillRunningAnswer askStillRunning(const QString& text) override;
    bool askYesNo(const QString& text) override;
    SettingsInUseAnswer askSettingsInUse(const QString& text) override;
};

class FakeSystem final : public SystemInfo {
public:
    QString locale = QStringLiteral("C.UTF-8");
    QStringList addresses;
    QString scratch;

    QString localeName() const override { return locale; }
    QStringList localIPv4Addresses() const override { return addresses; }
    QString scratchDir() const override { return scratch; }
};

class FakeProcessStarter final : public ProcessStarter {
public:
    struct Start {
        QString program;
        QStringList arguments;
        QString workingDir;
        ProcessFinished onFinished;  // empty for a detached start
        bool stopped = false;        // ended through stop(): its report is dropped
    };
    std::vector<Start> starts;  // a watched start's handle is its index + 1
    bool succeed = true;
    QStringList missing;  // programs not installed
    // Called at each start, so a test can look at the window while the runner is starting.
    std::function<void(const Start&)> onStart;

    bool startDetached(const QString& program, const QStringList& arguments, const QString& workingDir) override
    {
        starts.push_back({program, arguments, workingDir, {}});
        return succeed;
    }
    ProcessHandle start(const QString& program, const QStringList& arguments, const QString& workingDir,
                        ProcessFinished onFinished) override
    {
        starts.push_back({program, arguments, workingDir, std::move(onFinished)});
        const ProcessHandle handle = starts.size();
        if (onStart)
            onStart(starts.back());
        return handle;
    }
    void stop(ProcessHandle handle) override
    {
        Start& start = starts.at(size_t(handle - 1));
        if (!start.onFinished)
            return;  // it has reported already
        start.stopped = true;
        start.onFinished = nullptr;
    }
    bool programFound(const QString& program) const override { return !missing.contains(program); }
    // Reports the end of the watched start `index`, as the event loop would; nothing for a start
    // that was stopped or has reported already.
    void finish(size_t index, ProcessExit::How how, int code, const QByteArray& output = {})
    {
        const ProcessFinished onFinished = std::exchange(starts.at(index).onFinished, nullptr);
        if (onFinished)
            onFinished(ProcessExit{how, code, output});
    }
};

// One set of fakes for a main window that starts in `startDir` with its scratch folder inside it.
class FakeViewer final : public Viewer {
public:
    QStringList opened;
    bool refuse = false;  // as a desktop without any viewer for text files
    bool open(const QString& path) override
    {
        opened << path;
        return !refuse;
    }
};

// The lines of the window's transfer log without their time stamps.
QStringList transferLogLines(const QWidget& window);

// Sets a row's check mark and online state as the echo pass will keep them: the fake probe answers
// the row's address exactly when it is online, so a pass that runs meanwhile changes nothing.
void markRow(FakeEchoProbe& echo, PlayerListView& list, int row, bool checked, bool online);

struct FakePlatform {
    FakeDialogs dialogs;
    FakeSystem system;
    FakeProcessStarter processes;
    FakeAddressResolver resolver;
    FakeEchoProbe echo;
    FakeViewer viewer;

    explicit FakePlatform(const QString& startDir)
        : startDir(startDir)
    {
        system.scratch = startDir + QStringLiteral("/scratch");
    }
    Services services() { return Services{dialogs, system, processes, resolver, echo, viewer, startDir, 0.0}; }

    QString startDir;
};

}  // namespace q7::test
