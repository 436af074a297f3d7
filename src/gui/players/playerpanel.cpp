#include "gui/players/playerpanel.h"

#include "core/base/ipv4.h"

#include "core/players/history.h"
#include "gui/players/historypanel.h"

#include "gui/platform/dialogs.h"
#include "gui/platform/shownphrase.h"
#include "gui/players/playerdialog.h"
#include "gui/players/playerlistview.h"
#include "gui/transfer/transferlog.h"

#include <QComboBox>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <numeric>

namespace q7 {
namespace {

constexpr int kSearchBarMin = 2;
constexpr int kSearchBarMax = 252;

//: A player of the list is called a driver here.
QString selectDriverText() { return PlayerPanel::tr("Please select at least one driver."); }

// The /24 network a sweep from `localAddress` covers: "192.168.1.0/24".
QString sweptNetwork(const QString& localAddress)
{
    const qsizetype dot = localAddress.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? localAddress : localAddress.left(dot + 1) + QStringLiteral("0/24");
}

}  // namespace

PlayerPanel::PlayerPanel(const Controls& controls, Dialogs& dialogs, AddressResolver& resolver, EchoProbe& probe,
                         double waitScale, QObject* parent)
    : QObject(parent),
      m_ui(controls),
      m_dialogs(dialogs),
      m_launchTimer(new QTimer(this)),
      m_search(
          resolver, probe,
          // Workers run on their own threads: their results are queued to this object, and dropped
          // by Qt if it is gone by then.
          [this](const FoundPlayer& found) {
              QMetaObject::invokeMethod(this, [this, found] { addFoundPlayer(found); }, Qt::QueuedConnection);
          },
          [this](const EchoReport& report) {
              QMetaObject::invokeMethod(this, [this, report] { applyEchoReport(report); }, Qt::QueuedConnection);
          })
{
    setObjectName(QStringLiteral("PlayerPanel"));
    m_launchTimer->setTimerType(Qt::PreciseTimer);
    m_launchTimer->setInterval(int(std::chrono::milliseconds(kSweepSpacing).count() * waitScale));
    connect(m_launchTimer, &QTimer::timeout, this, &PlayerPanel::launchStep);

    m_ui.pingTimer->setInterval(kEchoFirstTickMs);
    connect(m_ui.pingTimer, &QTimer::timeout, this, &PlayerPanel::echoTick);
    connect(m_ui.dialog, &PlayerDialog::answered, this, &PlayerPanel::applyDialogAnswer);

    const PlayerListView::PopupActions& menu = m_ui.list->popupActions();
    connect(menu.add, &QAction::triggered, this, &PlayerPanel::addFromMenu);
    connect(menu.modify, &QAction::triggered, this, &PlayerPanel::modifySelected);
    connect(menu.remove, &QAction::triggered, this, &PlayerPanel::deleteSelected);
    connect(menu.clear, &QAction::triggered, this, &PlayerPanel::clearPlayers);
    connect(menu.undo, &QAction::triggered, this, &PlayerPanel::undoRemoval);
    connect(m_ui.list, &PlayerListView::changed, this, &PlayerPanel::startEchoTimer);
    connect(m_ui.list, &PlayerListView::deleteKeyReleased, this, &PlayerPanel::removeSelectedPlayer);
    connect(m_ui.searchButton, &QPushButton::clicked, this, &PlayerPanel::startSearch);
}

PlayerPanel::~PlayerPanel() { m_search.stop(); }

// ---- The list and the dialog ----

void PlayerPanel::addPlayer(const QString& name, const QString& address)
{
    if (m_ui.list->addPlayer(name, address) != AddOutcome::AlreadyListed)
        startEchoTimer();
}

void PlayerPanel::updateModifiedPlayer(const QString& name, const QString& address)
{
    // The dialog does not block the window: the entry it was opened for is found again by its
    // address, whatever is selected now; one removed meanwhile is not brought back.
    const std::vector<PlayerEntry> entries = m_ui.list->entries();
    const auto opened = std::find_if(entries.begin(), entries.end(), [this](const PlayerEntry& entry) {
        return entry.address == m_modifiedAddress.toStdString();
    });
    if (opened == entries.end())
        return;
    m_ui.list->setPlayer(int(opened - entries.begin()), name, address);
    startEchoTimer();
}

void PlayerPanel::removeSelectedPlayer()
{
    const std::vector<int> rows = m_ui.list->selectedRows();
    if (rows.empty())
        return;
    m_ui.list->removeRows(rows);
    rowCountChanged();
}

void PlayerPanel::undoRemoval()
{
    m_ui.list->restoreRemoved();
    rowCountChanged();
    // Back as they were when removed; the echo pass brings their online state up to date.
    startEchoTimer();
}

void PlayerPanel::rowCountChanged() { m_search.setListedRows(size_t(m_ui.list->topLevelItemCount())); }

// Started only when stopped, so the period stays: 100 ms until a tick has run, 10 s after.
void PlayerPanel::startEchoTimer()
{
    if (!m_ui.pingTimer->isActive())
        m_ui.pingTimer->start();
}

void PlayerPanel::addFromMenu()
{
    m_ui.pingTimer->stop();
    m_dialogModifies = false;
    m_ui.dialog->openForAdd();
}

void PlayerPanel::modifySelected()
{
    const int row = m_ui.list->selectedRow();
    if (row < 0) {
        m_dialogs.showMessage(selectDriverText());
        return;
    }
    m_ui.pingTimer->stop();
    const QTreeWidgetItem* item = m_ui.list->topLevelItem(row);
    m_dialogModifies = true;
    m_modifiedAddress = item->text(2);
    m_ui.dialog->openForModify(item->text(1), item->text(2));
}

void PlayerPanel::deleteSelected()
{
    if (m_ui.list->selectedRow() < 0) {
        m_dialogs.showMessage(selectDriverText());
        return;
    }
    m_ui.pingTimer->stop();
    removeSelectedPlayer();
}

void PlayerPanel::clearPlayers()
{
    std::vector<int> rows(size_t(m_ui.list->topLevelItemCount()));
    std::iota(rows.begin(), rows.end(), 0);
    m_ui.list->removeRows(std::move(rows));
    rowCountChanged();
}

void PlayerPanel::applyDialogAnswer(const QString& name, const QString& address)
{
    switch (dialogOutcome(name.toStdString(), address.toStdString(), m_dialogModifies)) {
    case DialogOutcome::Update:
        updateModifiedPlayer(name, address);
        break;
    case DialogOutcome::Add:
        addPlayer(name, address);
        break;
    case DialogOutcome::Nothing:
        break;
    case DialogOutcome::BadAddress: {
        //: The field the address problem is about, as the dialog labels it.
        const QString problem = shownText(ipv4Problem(address.toStdString(), tr("IP Address").toStdString()));
        //: %1 says why the typed address is no IPv4 address.
        m_dialogs.showMessage(m_dialogModifies ? tr("%1\n\nThe player was not changed.").arg(problem)
                                               : tr("%1\n\nNo player was added.").arg(problem));
        break;
    }
    }
}

// ---- Network search ----

void PlayerPanel::startSearch()
{
    m_ui.searchButton->setEnabled(false);
    m_launch.emplace(m_ui.localIPBox->currentText().toStdString());
    m_sweeps[++m_lastSweep] = {sweptNetwork(m_ui.localIPBox->currentText()), m_launch->addresses().size()};
    m_ui.searchBar->setRange(kSearchBarMin, kSearchBarMax);
    m_ui.searchBar->reset();
    launchStep();
    m_launchTimer->start();
}

// One worker per step, one step per spacing; the step after the last start ends the launch.
void PlayerPanel::launchStep()
{
    if (m_launch->finished()) {
        m_launchTimer->stop();
        m_launch.reset();
        m_ui.searchButton->setEnabled(true);
        m_ui.searchBar->reset();
        return;
    }
    // Posted after the worker's find, so the find is listed when its end is counted.
    m_launch->launchNext(m_search, [this, sweep = m_lastSweep](const std::string& address, bool player) {
        QMetaObject::invokeMethod(
            this, [this, sweep, address, player] { sweepResolved(sweep, address, player); }, Qt::QueuedConnection);
    });
    m_ui.searchBar->setValue(std::min(kSearchBarMin + m_launch->launched(), kSearchBarMax));
}

void PlayerPanel::addFoundPlayer(const FoundPlayer& found)
{
    if (m_history)
        m_history->found(found.address);
    const QString name = QString::fromStdString(generatedPlayerName(found.hardware));
    if (m_ui.list->addPlayer(name, QString::fromStdString(found.address), kMaxPlayers) != AddOutcome::Added)
        return;
    m_newlyListed.insert(found.address);
    m_ui.list->selectRow(m_ui.list->topLevelItemCount() - 1);
}

void PlayerPanel::sweepResolved(int sweep, const std::string& address, bool player)
{
    const auto tally = m_sweeps.find(sweep);
    if (tally == m_sweeps.end())
        return;
    SweepTally& counted = tally->second;
    counted.found += player ? 1 : 0;
    counted.added += m_newlyListed.erase(address) ? 1 : 0;
    if (--counted.left > 0)
        return;
    if (m_ui.log)
        //: Transfer log line after a network search: %1 the network ("192.168.1.0/24"), %2 players that
        //: answered, %3 of them newly listed.
        m_ui.log->addLine((counted.found == 1 ? tr("Search of %1: %2 player found, %3 new")
                                              : tr("Search of %1: %2 players found, %3 new"))
                              .arg(counted.network)
                              .arg(counted.found)
                              .arg(counted.added));
    m_sweeps.erase(tally);
}

void PlayerPanel::echoTick()
{
    std::vector<std::string> addresses = m_ui.list->addresses();
    const bool empty = addresses.empty();
    m_search.startEchoPass(std::move(addresses));
    if (empty) {
        m_ui.pingTimer->stop();
        m_ui.pingTimer->setInterval(kEchoFirstTickMs);
    } else {
        m_ui.pingTimer->setInterval(kEchoIntervalMs);
    }
}

void PlayerPanel::applyEchoReport(const EchoReport& report)
{
    const std::optional<size_t> row = rowOfAddress(m_ui.list->addresses(), report.address);
    if (!row)
        return;
    const bool online = answeredInTime(report.roundTripMs);
    if (m_history)
        m_history->answered(report.address, online, online != m_ui.list->isOnline(int(*row)));
    m_ui.list->setOnline(int(*row), online);
    if (online)
        emit playerOnline();
}

void PlayerPanel::setHistory(PlayerHistory* history)
{
    m_history = history;
    if (!history)
        return;
    m_ui.list->setHistoryNote([history](const QString& address) { return historyNote(*history, address); });
    //: Menu item of the player list: shows the selected player's history.
    QAction* action = m_ui.list->popupMenu()->addAction(tr("History"));
    action->setObjectName(QStringLiteral("History1"));
    connect(action, &QAction::triggered, this, &PlayerPanel::showHistory);
}

void PlayerPanel::showHistory()
{
    const int row = m_ui.list->selectedRow();
    if (!m_history || row < 0)
        return;
    if (!m_historyPanel)
        m_historyPanel = new HistoryPanel(*m_history, m_ui.list->window());
    const QTreeWidgetItem* item = m_ui.list->topLevelItem(row);
    m_historyPanel->showFor(item->text(1), item->text(2));
}

bool PlayerPanel::searching() const { return m_launch.has_value() || m_search.busy(); }

std::vector<std::string> PlayerPanel::sweepList() const
{
    return m_launch ? m_launch->addresses() : std::vector<std::string>();
}

void PlayerPanel::shutDown()
{
    m_ui.dialog->hide();
    m_launchTimer->stop();
    m_launch.reset();
    m_search.stop();
}

}  // namespace q7
