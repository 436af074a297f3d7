#pragma once
// Starts an outside program (the TFTP client) from an argument vector, never through a shell.
// The tool never waits for it: either it is started and forgotten, or its end is reported later
// from the event loop.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
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

class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    // False when the program could not be started.
    virtual bool startDetached(const QString& program, const QStringList& arguments, const QString& workingDir) = 0;
    // Starts the program with its input from /dev/null and reports its end through `onFinished`,
    // which runs from the event loop once the program has ended or could not be started, never
    // within this call. A program still running when the starter goes away is left to finish;
    // its report is dropped.
    virtual void start(const QString& program, const QStringList& arguments, const QString& workingDir,
                       ProcessFinished onFinished) = 0;
};

class QtProcessStarter final : public ProcessStarter {
public:
    QtProcessStarter();
    ~QtProcessStarter() override;
    bool startDetached(const QString& program, const QStringList& arguments, const QString& workingDir) override;
    void start(const QString& program, const QStringList& arguments, const QString& workingDir,
               ProcessFinished onFinished) override;

private:
    class Watch;
    std::unique_ptr<QObject> m_watches;  // parent of every watch; ends them all at once
};

}  // namespace q7
