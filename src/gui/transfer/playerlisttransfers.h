#pragma once
// The player list's transfers: what the pages ask of the player list view and the runner. It owns
// the runner and the commands running in the window, so the window can tell whether any is still
// busy when it closes, wait for them or stop them all.

#include "gui/transfer/commandrun.h"
#include "gui/transfer/playertransfers.h"

#include <QList>
#include <QObject>
#include <QPointer>

class QProgressBar;

namespace q7 {

class CodePage;
class PlayerListView;
class ProcessStarter;
class TransferLog;
class Viewer;
class WaitPanel;

class PlayerListTransfers : public QObject, public PlayerTransfers {
    Q_OBJECT
public:
    struct Context {
        ProcessStarter& processes;
        QWidget* window;    // disabled while clients start
        QProgressBar* bar;  // SearchBar, full while clients start
        TransferLog* log;
        PlayerListView& list;
        WaitPanel& panel;
        Viewer& viewer;     // fetched copies open here
        const CodePage& codePage;  // the copies' text
        double waitScale;   // scales every wait (tests run them at 0)
        QString commandFile;  // the empty command file
    };
    PlayerListTransfers(Context context, QObject* parent = nullptr);

    TransferRunner& runner() { return *m_runner; }
    // The folder clients run in and fetched files land in: the start folder.
    void setWorkingDir(const QString& dir) { m_runner->setWorkingDir(dir); }

    int rowCount() const override;
    int firstCheckedRow() const override;
    QString address(int row) const override;
    QString name(int row) const override;
    bool served(int row) const override;
    QString workingDir() const override { return m_runner->workingDir(); }
    std::vector<commands::Target> targets(int row) const override;
    void run(const commands::Command& command, std::vector<commands::Target> targets,
             commands::SequenceFiles files, const QObject* receiver = nullptr, Ended ended = {}) override;

    // One put or get outside any command, for row (-1: every served row), logged as `caption`.
    // Returns the address (put) or the fetched name (get) of the last served row; empty for none.
    QString put(const QString& localPath, const QString& remoteName, int row = -1, const QString& caption = {});
    QString get(const QString& remoteName, const QString& suffix, int row = -1, const QString& caption = {});
    // "Retry failed" on a summary line of the transfer log.
    void retryFailed(int call);

    // Commands with steps left or a fetch still being written.
    int busyCommands() const;
    // Stops every command, as Cancel does: afterwards none is busy.
    void stopCommands();

signals:
    // The last busy command is over.
    void commandsOver();

private:
    PlayerListView& m_list;
    TransferRunner* m_runner;
    WaitPanel& m_panel;
    Viewer& m_viewer;
    const CodePage& m_codePage;
    double m_waitScale;
    QString m_commandFile;
    QList<QPointer<CommandRun>> m_runs;
};

}  // namespace q7
