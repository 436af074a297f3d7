#include "gui/config/compareplayers.h"

#include "core/base/codepage.h"
#include "core/base/textfile.h"
#include "core/config/configdrift.h"
#include "gui/platform/localpath.h"
#include "gui/platform/shownphrase.h"
#include "gui/config/configexchange.h"
#include "core/config/configfile.h"
#include "core/commands/commandtable.h"
#include "gui/platform/dialogs.h"
#include "gui/widgets/windowframe.h"
#include "gui/transfer/commandrun.h"
#include "gui/transfer/playertransfers.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSet>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace q7 {

ComparePlayers::ComparePlayers(ConfigExchange& exchange, PlayerTransfers& players, Dialogs& dialogs,
                               const CodePage& codePage, QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_exchange(exchange),
      m_players(players),
      m_dialogs(dialogs),
      m_codePage(codePage)
{
    setObjectName(QStringLiteral("ComparePlayers"));
    setWindowTitle(tr("Compare players"));
    resize(sizeWithin(*this, *screen(), {640, 480}));

    auto* layout = new QVBoxLayout(this);
    m_table = new QTableWidget(this);
    m_table->setObjectName(QStringLiteral("CompareTable"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectColumns);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    layout->addWidget(m_table, 1);

    auto* buttons = new QHBoxLayout;
    const auto addButton = [&](const char* name, const QString& caption, auto handler) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QLatin1String(name));
        connect(button, &QPushButton::clicked, this, handler);
        buttons->addWidget(button);
    };
    addButton("LoadIntoPagesButton", tr("Load into pages"), &ComparePlayers::loadColumnIntoPages);
    addButton("PutPagesButton", tr("Put pages to selected"), &ComparePlayers::putPagesToSelected);
    // A fixed address put to several players would give them all the same one.
    m_keepAddress = new QCheckBox(tr("Keep each player's own IP address"), this);
    m_keepAddress->setObjectName(QStringLiteral("KeepAddressCheck"));
    buttons->addWidget(m_keepAddress);
    buttons->addStretch(1);
    addButton("CloseButton", tr("Close"), &QWidget::close);
    layout->addLayout(buttons);
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);
}

void ComparePlayers::refresh()
{
    m_columns.clear();
    m_table->clear();
    m_table->setRowCount(0);
    m_table->setColumnCount(0);
    // Its copies are kept apart from Backup's "Q7_<row>_", which the pages may still be loaded from.
    m_exchange.fetchConfig(-1, commands::compareCommand(), this, [this](const CommandEnd& end) { fill(end); });
}

void ComparePlayers::fill(const CommandEnd& end)
{
    if (end.stopped)
        return;
    std::vector<std::optional<std::vector<config::ConfigEntry>>> files;
    QStringList headers;
    for (const PlayerOutcome& player : end.players) {
        Column column{player.target.row, QString::fromStdString(player.target.address),
                      fromLocalPath(player.fetched)};
        std::optional<std::vector<config::ConfigEntry>> entries;
        if (!column.file.isEmpty() && QFileInfo(column.file).isFile()) {
            try {
                entries = config::configEntries(
                    readTextFile(localPath(column.file), config::kMaxConfigFileBytes));
            } catch (const FileError& e) {
                m_dialogs.showError(shownText(e.phrase()));
            }
        }
        if (!entries)
            column.file.clear();
        const QString header = QString::fromStdString(player.target.name) + QLatin1Char('\n') + column.address;
        //: Column header of a player that sent no configuration; %1 is its name and address.
        headers << (entries ? header : tr("%1\n(no answer)").arg(header));
        files.push_back(std::move(entries));
        m_columns << column;
    }

    const auto text = [this](const std::string& bytes) {
        const std::u16string decoded = m_codePage.decode(bytes);
        return QString::fromStdU16String(decoded);
    };
    const std::vector<config::CompareRow> rows = config::compareConfigs(files);
    m_table->setColumnCount(int(m_columns.size()));
    m_table->setHorizontalHeaderLabels(headers);
    m_table->setRowCount(int(rows.size()));
    QStringList settings;
    for (size_t r = 0; r < rows.size(); ++r) {
        const config::CompareRow& row = rows[r];
        // The marker says in words what the bold type and the colour show.
        const QString setting = text(row.section) + QLatin1Char(' ') + text(row.key);
        //: Row header of a setting whose values differ between the players; %1 is its section and key.
        settings << (row.differs ? tr("differs: %1").arg(setting) : setting);
        for (size_t c = 0; c < row.values.size(); ++c) {
            auto* cell = new QTableWidgetItem(row.values[c] ? text(*row.values[c]) : QString());
            if (row.differs) {
                QFont font = cell->font();
                font.setBold(true);
                cell->setFont(font);
                cell->setBackground(QColor(255, 230, 200));
            }
            m_table->setItem(int(r), int(c), cell);
        }
    }
    m_table->setVerticalHeaderLabels(settings);
    m_table->resizeColumnsToContents();
}

QList<ComparePlayers::Column> ComparePlayers::selectedColumns() const
{
    QSet<int> chosen;
    for (const QModelIndex& index : m_table->selectionModel()->selectedIndexes())
        chosen.insert(index.column());
    if (chosen.isEmpty() && m_table->currentColumn() >= 0)
        chosen.insert(m_table->currentColumn());
    QList<Column> columns;
    for (int c = 0; c < m_columns.size(); ++c) {
        // The list may have changed since the fetch: a row holding another player is left alone.
        if (chosen.contains(c) && m_players.address(m_columns[c].row) == m_columns[c].address)
            columns << m_columns[c];
    }
    return columns;
}

void ComparePlayers::loadColumnIntoPages()
{
    const QList<Column> columns = selectedColumns();
    if (columns.size() != 1 || columns.front().file.isEmpty()) {
        m_dialogs.showMessage(tr("Please select one player that answered."));
        return;
    }
    const Column& column = columns.front();
    m_exchange.loadIntoPages(column.file, m_players.name(column.row), column.address);
}

void ComparePlayers::putPagesToSelected()
{
    QList<int> rows;
    QMap<int, QString> ownFiles;  // each player's configuration as fetched; empty when it did not answer
    for (const Column& column : selectedColumns()) {
        rows << column.row;
        ownFiles[column.row] = column.file;
    }
    if (rows.isEmpty()) {
        m_dialogs.showMessage(tr("Please select a player."));
        return;
    }
    m_exchange.restoreTo(rows, commands::comparePutCommand(), m_keepAddress->isChecked() ? &ownFiles : nullptr);
}

}  // namespace q7
