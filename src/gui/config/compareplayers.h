#pragma once
// The Compare players window: every served player's configuration side by side, one row per
// setting and one column per player, the settings that differ first. From a player's column the
// pages take its settings; the pages go to the players whose columns are selected.

#include <QList>
#include <QString>
#include <QWidget>

class QCheckBox;
class QTableWidget;

namespace q7 {

class CodePage;
class ConfigExchange;
class Dialogs;
class PlayerTransfers;
struct CommandEnd;

class ComparePlayers : public QWidget {
    Q_OBJECT
public:
    // A window of its own (not modal) over `parent`.
    ComparePlayers(ConfigExchange& exchange, PlayerTransfers& players, Dialogs& dialogs, const CodePage& codePage,
                   QWidget* parent);

    // Fetches the served players' configurations (the Backup steps) and, once that command has
    // ended, fills the table.
    void refresh();

    void loadColumnIntoPages();
    void putPagesToSelected();

private:
    struct Column {
        int row;
        QString address;
        QString file;  // empty: the player did not answer
    };
    // The columns chosen, their players still in the rows they were fetched from.
    QList<Column> selectedColumns() const;
    void fill(const CommandEnd& end);

    ConfigExchange& m_exchange;
    PlayerTransfers& m_players;
    Dialogs& m_dialogs;
    const CodePage& m_codePage;
    QTableWidget* m_table = nullptr;
    QCheckBox* m_keepAddress = nullptr;
    QList<Column> m_columns;
};

}  // namespace q7
