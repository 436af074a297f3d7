#pragma once
// Starts an outside program (the TFTP client) from an argument vector, never through a shell.
// The tool never waits for it: either it is started and forgotten, or its end is reported later
// from the event loop; a watched program can be ended early (a command that is stopped).

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>

namespace q7 {

// How a watched program ended.
struct ProcessExit {
    enum class How { NotStarted, Exited, Signalled };
    How how = How::NotStarted;
    int code = 0;       // errno of the failed start, exit status, or signal number
    QByteArray output;  // standard output and error together
};
using ProcessFinished = std::function<void(const ProcessExit&)>;
// Names a watched start for stop(); 0 names none.
using ProcessHandle = quint64;

class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    // False when the program could not be started.
    virtual bool startDetached(const QString& program, const QStringList& arguments, const QString& workingDir) = 0;
    // Starts the program with its input from /dev/null and reports its end through `onFinished`,
    // which runs from the event loop once the program has ended or could not be started, never
    // within this call. A program still running when the starter goes away is left to finish;
    // its report is dropped.
    virtual ProcessHandle start(const QString& program, const QStringList& arguments, const QString& workingDir,
                                ProcessFinished onFinished) = 0;
    // Ends a watched program at once (SIGKILL) and collects it before returning; its report is
    // dropped. A start that has already reported is left alone.
    virtual void stop(ProcessHandle handle) = 0;
    // Whether `program` is found where the starts look for it (the folders of PATH).
    virtual bool programFound(const QString& program) const = 0;
};

class QtProcessStarter final : public ProcessStarter {
public:
    QtProcessStarter();
    ~QtProcessStarter() override;
    bool startDetached(const QString& program, const QStringList& arguments, const QString& workingDir) override;
    ProcessHandle start(const QString& program, const QStringList& arguments, const QString& workingDir,
                        ProcessFinished onFinished) override;
    void stop(ProcessHandle handle) override;
    bool programFound(const QString& program) const override;

private:
    class Watch;
    std::unique_ptr<QObject> m_watches;  // parent of every watch; ends them all at once
    std::map<ProcessHandle, QPointer<QObject>> m_byHandle;  // watches that have not reported yet
    ProcessHandle m_lastHandle = 0;
};

}  // namespace q7
