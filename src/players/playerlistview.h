#pragma once
// The player list ListView1: check box, state icon and caption, then name and address.

#include "app/appsettings.h"
#include "players/playerlist.h"

#include <QTreeWidget>

class QMenu;

namespace q7 {

class PlayerListView : public QTreeWidget {
    Q_OBJECT
public:
    explicit PlayerListView(QWidget* parent = nullptr);

    // Appends an entry unless its address is listed or `limit` entries are listed.
    AddOutcome addPlayer(const QString& name, const QString& address, size_t limit = kMaxOperatorPlayers);
    std::vector<StoredPlayer> players() const;
    std::vector<std::string> addresses() const;
    // Every row in order, with its check mark and online state.
    std::vector<PlayerEntry> entries() const;
    bool isOnline(int row) const;
    void setOnline(int row, bool online);

private:
    QMenu* m_popup = nullptr;
};

}  // namespace q7
