#include "gui/transfer/playerlisttransfers.h"

#include "gui/platform/localpath.h"
#include "gui/players/playerlistview.h"

#include <QFile>

namespace q7 {
namespace {

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

PlayerListTransfers::PlayerListTransfers(Context context, QObject* parent)
    : QObject(parent),
      m_list(context.list),
      m_runner(new TransferRunner(context.processes, context.window, context.bar, context.log, this)),
      m_panel(context.panel),
      m_viewer(context.viewer),
      m_codePage(context.codePage),
      m_waitScale(context.waitScale),
      m_commandFile(std::move(context.commandFile))
{
}

int PlayerListTransfers::rowCount() const { return m_list.topLevelItemCount(); }

int PlayerListTransfers::firstCheckedRow() const
{
    const std::vector<PlayerEntry> entries = m_list.entries();
    for (size_t row = 0; row < entries.size(); ++row)
        if (entries[row].checked)
            return int(row);
    return -1;
}

QString PlayerListTransfers::address(int row) const
{
    const std::vector<PlayerEntry> entries = m_list.entries();
    return row >= 0 && size_t(row) < entries.size() ? fromUtf8(entries[size_t(row)].address) : QString();
}

QString PlayerListTransfers::name(int row) const
{
    const std::vector<PlayerEntry> entries = m_list.entries();
    return row >= 0 && size_t(row) < entries.size() ? fromUtf8(entries[size_t(row)].name) : QString();
}

bool PlayerListTransfers::served(int row) const
{
    const std::vector<PlayerEntry> entries = m_list.entries();
    return row >= 0 && size_t(row) < entries.size() && entries[size_t(row)].served();
}

std::vector<commands::Target> PlayerListTransfers::targets(int row) const
{
    const std::vector<PlayerEntry> entries = m_list.entries();
    std::vector<commands::Target> out;
    for (const int r : servedRows(entries, row))
        out.push_back({.row = r, .address = entries[size_t(r)].address, .name = entries[size_t(r)].name});
    return out;
}

void PlayerListTransfers::run(const commands::Command& command, std::vector<commands::Target> targets,
                              commands::SequenceFiles files, const QObject* receiver, Ended ended)
{
    if (files.commandFile.empty())
        files.commandFile = localPath(m_commandFile);
    files.fetchDir = localPath(workingDir());
    auto* run = new CommandRun({*m_runner, m_panel, m_viewer, m_codePage, m_waitScale}, command, std::move(targets),
                               std::move(files), this);
    m_runs.append(run);
    if (ended)
        connect(run, &CommandRun::commandEnded, receiver ? receiver : this, std::move(ended));
    connect(run, &CommandRun::over, this, [this, run] {
        m_runs.removeAll(run);
        if (busyCommands() == 0)
            emit commandsOver();
    });
    run->start();
}

QString PlayerListTransfers::put(const QString& localPath, const QString& remoteName, int row, const QString& caption)
{
    return m_runner->put(m_list.entries(), localPath, remoteName, row, caption);
}

QString PlayerListTransfers::get(const QString& remoteName, const QString& suffix, int row, const QString& caption)
{
    return m_runner->get(m_list.entries(), remoteName, suffix, row, caption);
}

void PlayerListTransfers::retryFailed(int call) { m_runner->retryFailed(call, m_list.entries()); }

int PlayerListTransfers::busyCommands() const
{
    int busy = 0;
    for (const QPointer<CommandRun>& run : m_runs)
        busy += run && run->busy() ? 1 : 0;
    return busy;
}

void PlayerListTransfers::stopCommands()
{
    for (const QPointer<CommandRun>& run : QList<QPointer<CommandRun>>(m_runs))
        if (run)
            run->stop();
}

}  // namespace q7
