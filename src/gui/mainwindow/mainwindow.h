#pragma once
// The main window: player list on the left, the page control on the right, the wait panel, the
// image buttons and the tray icon. It loads the settings file at start-up and rebuilds it at shut-down.

#include "core/settings/appsettings.h"
#include "core/settings/settingslock.h"
#include "core/base/codepage.h"
#include "core/base/inistore.h"
#include "gui/mainwindow/services.h"

#include <QColor>
#include <QDateTime>
#include <QFont>
#include <QPoint>
#include <QWidget>
#include <memory>
#include <utility>
#include <vector>

class QAbstractButton;
class QComboBox;
class QProgressBar;
class QPushButton;
class QScreen;
class QScrollArea;
class QSystemTrayIcon;
class QTabWidget;
class QTimer;
class QToolButton;

namespace q7 {

class ConfigPage;
class ExamplePage;
class ForwardChannel;
class FileListPage;
class MessagePage;
class PlayerListView;
class PlayerHistory;
class PlayerPanel;
class RemoteCommandPage;
class PlayerDialog;
class PlayerListTransfers;
class TransferLog;
class WaitPanel;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kCaption = "Q7 Configuration Tool v3.8.9";  // untranslated: product and version
    static constexpr int kWideWidth = 775;
    static constexpr int kNarrowWidth = 550;
    static constexpr int kHeight = 610;

    explicit MainWindow(Services services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Window events.
    void loadAtStart();
    bool saveAtClose();  // false when the settings could not be saved: the window then stays open
    void hideToTray();
    void showFromTray();
    void toggleWidth();  // the form between its full and its narrow width

    // Appends a player unless its address is listed or 256 players are; starts the online check.
    void addPlayer(const QString& name, const QString& address);

    // The six "Send " buttons register here, so the runner disables them while it starts clients.
    void addSendButton(QAbstractButton* button);
    // Closes the window without asking: commands still running are stopped first (a termination
    // signal).
    void closeStoppingCommands();

    // Another window held the start folder's settings: this one asked. Read-only, it shows so in its
    // caption, saves nothing and removes no file of the start folder at shut-down. Told to bring the
    // other forward or to quit, it ends at once (the program does not show it).
    bool readOnly() const { return m_readOnly; }
    bool endsAtStart() const { return m_endsAtStart; }

    const QString& startDir() const { return m_startDir; }
    const QString& scratchDir() const { return m_scratchDir; }
    WaitPanel* waitPanel() const { return m_waitPanel; }
    ConfigPage* configPage() const { return m_configPage; }
    // Only the first page is built at start-up; each of the others when its tab is first shown, or
    // when first asked for here (tests and automation find its controls after that).
    RemoteCommandPage* commandPage();
    MessagePage* messagePage();
    FileListPage* fileListPage();
    ExamplePage* examplePage();
    // The player list and the runner as the pages see them, and the commands running.
    PlayerListTransfers* transfers() const { return m_transfers; }
    Services& services() { return m_services; }

signals:
    void closed();
    // A window started later in the same folder asked this one to come forward; it did.
    void broughtForward();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the pages built on first show hold from start-up on. Until a page is built the window
    // keeps its values here, and the settings file is rebuilt from them.
    struct PageState {
        QFont messageFont;
        QColor foreColor = Qt::black;
        QColor backColor = Qt::white;
        int codePageItem = 0;
        QString listRoot;
        QString downUrl;
        QString upUrl;
        QDateTime playListDate;
    };

    void buildLayout();
    // The window takes the form's size, or as much of the screen's free area as there is with the
    // form scrolling inside it.
    void fitToScreen(const QScreen* screen);
    // Moves the frame onto the screen's free area, its title bar first.
    void keepOnScreen(const QScreen* screen, QPoint framePos);
    // The window manager's frame; until that is known, a title bar and border as the style draws them.
    // Where the window was when it last closed, while a screen still shows it there; else centred.
    void placeAtStart();
    void rememberPlace() const;
    // An empty tab that a page fills when built.
    QWidget* addPageTab(const QString& caption);
    void buildPageShown(int index);
    // The page state as the operator sees it: from the pages built, the rest as kept.
    PageState pageState() const;
    void buildTray();
    bool beginDrag(QMouseEvent* event);
    // The start folder's settings lock; false when this window is not to run (it ends at once).
    bool takeSettingsLock();
    void applyStoredSettings(const AppSettings& stored);
    AppSettings settingsFromWindow() const;
    // Before shut-down: false while commands are still busy and the window waits for them.
    bool commandsAllowClose();

    Services m_services;
    QString m_startDir;
    QString m_scratchDir;
    IniStore m_store;
    SettingsLock m_settingsLock;  // held while the window runs: it rebuilds the settings file at shut-down
    ForwardChannel* m_forwardChannel = nullptr;  // listens while the lock is held
    bool m_readOnly = false;
    bool m_endsAtStart = false;
    ByteKeeper m_kept;  // settings file values in the system's 8-bit code page, as read

    // Settings that could not be used at start-up are written back unchanged at shut-down,
    // unless the operator has changed that value meanwhile.
    std::vector<std::pair<std::string AppSettings::*, std::string>> m_unusedStored;
    AppSettings m_startupState;
    // Stored players whose address is no IPv4 address: not listed, written back as they were read.
    std::vector<StoredPlayer> m_unusablePlayers;

    QScrollArea* m_scroller = nullptr;  // the window's only child; it holds the form
    QWidget* m_form = nullptr;          // the fixed-size form with every control
    bool m_watchingScreen = false;      // the window refits when it moves to another screen
    QComboBox* m_localIPBox = nullptr;
    PlayerListView* m_playerList = nullptr;
    std::unique_ptr<PlayerHistory> m_history;  // before the panel and runner that record into it
    PlayerPanel* m_players = nullptr;
    QProgressBar* m_searchBar = nullptr;
    QPushButton* m_searchButton = nullptr;
    TransferLog* m_transferLog = nullptr;
    PlayerListTransfers* m_transfers = nullptr;
    QTabWidget* m_pageControl = nullptr;
    ConfigPage* m_configPage = nullptr;
    RemoteCommandPage* m_commandPage = nullptr;
    MessagePage* m_messagePage = nullptr;
    FileListPage* m_fileListPage = nullptr;
    ExamplePage* m_examplePage = nullptr;
    QWidget* m_commandTab = nullptr;
    QWidget* m_messageTab = nullptr;
    QWidget* m_fileListTab = nullptr;
    QWidget* m_exampleTab = nullptr;
    PageState m_pageState;
    WaitPanel* m_waitPanel = nullptr;
    QToolButton* m_closeButton = nullptr;
    QToolButton* m_hideButton = nullptr;    // to the tray
    QToolButton* m_widenButton = nullptr;   // shown in the narrow width: back to all pages
    QToolButton* m_narrowButton = nullptr;  // shown in the full width: the player list only
    QSystemTrayIcon* m_trayIcon = nullptr;
    QTimer* m_pingTimer = nullptr;
    PlayerDialog* m_driverSetup = nullptr;
    QPoint m_dragOffset;
    bool m_dragging = false;
    bool m_closed = false;
    bool m_stopCommandsOnClose = false;  // a termination signal: stop them, do not ask
    bool m_waitingForCommands = false;   // asked and told to wait: closes once they are over
    QMetaObject::Connection m_closeWhenCommandsOver;
};

}  // namespace q7
