#pragma once
// The "Remote Command" tab: six groups, each a combo box of commands, a "Send " button and a
// memo describing the chosen command. What each command sends comes from the command table
// (commands/commandtable.h); this page reads its controls, prepares the files the command sends
// (the open dialog, the one-line command files, no stale fetched copies), starts the command and
// shows what went wrong. The command runs on by itself: its waits, fetches and viewer windows.

#include "core/commands/commandtable.h"

#include <QList>
#include <optional>
#include <string>
#include <QWidget>

class QAbstractButton;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace q7 {

class Dialogs;
class PlayerTransfers;

class RemoteCommandPage : public QWidget {
    Q_OBJECT
public:
    // `scratchDir` holds the empty command file and the one-line command files written here.
    RemoteCommandPage(PlayerTransfers& players, Dialogs& dialogs, QString scratchDir, QWidget* parent = nullptr);

    // Start-up: each memo shows its group's first description.
    void fillDescriptions();
    // The six "Send " buttons, which the runner disables while it starts clients.
    QList<QAbstractButton*> sendButtons() const;


private:
    struct Controls {
        const commands::Group* group;
        QComboBox* box;
        QPushButton* button;
        QPlainTextEdit* memo;
    };
    Controls& controls(commands::GroupId id);
    void buildGroup(QGridLayout* layout, const commands::Group& group, int row, int column);
    void buildVolumeField(QWidget* osdGroup);
    void showLines(QPlainTextEdit* memo, const std::vector<std::string_view>& lines);

    void send(commands::GroupId id);
    void boxChange(commands::GroupId id);
    void run(const commands::Command& command);
    // The Volume field's text as sent (adjusted in the field too); empty with the error shown.
    std::optional<std::string> takeVolume();

    PlayerTransfers& m_players;
    Dialogs& m_dialogs;
    QString m_scratchDir;
    QList<Controls> m_groups;
    QLineEdit* m_volume = nullptr;
    QLabel* m_volumeRange = nullptr;
};

}  // namespace q7
