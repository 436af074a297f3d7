#pragma once
// The player list ListView1: check box, state icon and caption, then name and address.

#include "core/settings/appsettings.h"
#include "core/players/playerlist.h"

#include <QTreeWidget>
#include <deque>
#include <functional>
#include <memory>

class QAction;
class QMenu;

namespace q7 {

class PlayerListView : public QTreeWidget {
    Q_OBJECT
public:
    explicit PlayerListView(QWidget* parent = nullptr);
    ~PlayerListView() override;

    // Appends an entry unless its address is listed or `limit` entries are listed.
    AddOutcome addPlayer(const QString& name, const QString& address, size_t limit = kMaxOperatorPlayers);
    std::vector<StoredPlayer> players() const;
    std::vector<std::string> addresses() const;
    // Every row in order, with its check mark and online state.
    std::vector<PlayerEntry> entries() const;
    bool isOnline(int row) const;
    void setOnline(int row, bool online);

    // The current row when it is selected, else the first selected; -1 when nothing is selected.
    int selectedRow() const;
    std::vector<int> selectedRows() const;  // in list order
    // Makes `row` the current and only selected row.
    void selectRow(int row);
    // Name and address change; the caption, check mark and state stay.
    void setPlayer(int row, const QString& name, const QString& address);
    // Removes the rows at once and keeps them, so restoreRemoved() can put them back.
    void removeRows(std::vector<int> rows);
    // Puts the rows of the last removal back where they stood, as they were (caption, check mark,
    // state); one whose address is listed again meanwhile, or past the search's limit, stays out.
    void restoreRemoved();
    QMenu* popupMenu() const { return m_popup; }
    // The pop-up menu's entries, for the panel that handles them.
    struct PopupActions {
        QAction* add;
        QAction* modify;
        QAction* remove;
        QAction* clear;
        QAction* undo;  // enabled while a removal can be put back
    };
    const PopupActions& popupActions() const { return m_actions; }
    // Adds a line about the player at an address to the state shown when hovering a row.
    void setHistoryNote(std::function<QString(const QString& address)> note) { m_historyNote = std::move(note); }

signals:
    // Any change of an entry: text, icon, check mark or selection (not the removal of rows).
    void changed();
    // The Delete key (or the keypad's decimal key) was released.
    void deleteKeyReleased();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void notifyChange();
    void toggleCurrentCheck();

    // One removal: the rows as they stood before it, in list order, with their entries.
    using Removal = std::vector<std::pair<int, std::unique_ptr<QTreeWidgetItem>>>;

    QMenu* m_popup = nullptr;
    PopupActions m_actions{};
    std::function<QString(const QString&)> m_historyNote;
    bool m_removing = false;
    std::deque<Removal> m_removals;  // the newest last
};

}  // namespace q7
