#include "gui/mainwindow/mainwindow.h"

#include "core/base/ipv4.h"
#include "core/settings/colortext.h"
#include "core/settings/localechoice.h"
#include "core/settings/scratch.h"
#include "gui/widgets/windowframe.h"
#include "gui/widgets/editablecombo.h"
#include "gui/widgets/tabcaptions.h"
#include "gui/widgets/waitpanel.h"
#include "gui/commands/remotecommandpage.h"
#include "gui/config/configexchange.h"
#include "gui/config/configpage.h"
#include "gui/lists/examplepage.h"
#include "gui/lists/filelistpage.h"
#include "gui/mainwindow/forwardchannel.h"
#include "gui/messages/messagepage.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/localpath.h"
#include "gui/platform/shownphrase.h"
#include "gui/platform/system.h"
#include "gui/players/playerdialog.h"
#include "gui/players/playerlistview.h"
#include "core/players/history.h"
#include "gui/players/playerpanel.h"
#include "gui/transfer/playerlisttransfers.h"
#include "gui/transfer/transferlog.h"

#include <QAbstractItemModel>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRect>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <charconv>
#include <set>

namespace q7 {
namespace {

// The window's fixed form, 775 x 610 pixels (550 wide when narrowed): where each control sits.
struct FormLayout {
    QRect localIPLabel{8, 8, 104, 20};
    QRect localIPBox{114, 5, 156, 24};    // LocalIPBox
    QRect playerList{8, 36, 262, 404};    // ListView1
    QRect transferLog{8, 444, 262, 82};   // TransferLog
    QRect searchBar{8, 532, 262, 16};     // SearchBar
    QRect searchButton{8, 554, 262, 30};  // SearchQ7Button
    QRect pageControl{274, 4, 497, 566};  // PageControl1
    // The image buttons sit left of x = 550 so they stay reachable in the narrow width.
    QRect widthToggle{458, 576, 26, 26};  // Image5 and Image2, one of them shown at a time
    QRect hideButton{488, 576, 26, 26};   // Image4
    QRect closeButton{518, 576, 26, 26};  // Image6
};
constexpr FormLayout kForm;

// Settings file values are text in the system's 8-bit code page; file names and error texts are
// the system's own bytes.
QString shown(ByteKeeper& kept, const std::string& key, const std::string& bytes)
{
    return QString::fromStdU16String(kept.decode(key, bytes));
}
std::string stored(const ByteKeeper& kept, const std::string& key, const QString& text)
{
    return kept.encode(key, text.toStdU16String());
}

// Players are rows known by their address text.
std::string playerNameKey(const std::string& address) { return "Q7_Dev/NAME " + address; }
std::string playerAddressKey(const std::string& address) { return "Q7_Dev/IP " + address; }

// 0x00BBGGRR <-> QColor
QColor colorFromValue(uint32_t v) { return QColor(int(v & 0xFF), int(v >> 8 & 0xFF), int(v >> 16 & 0xFF)); }
uint32_t valueFromColor(const QColor& c) { return uint32_t(c.red()) | uint32_t(c.green()) << 8 | uint32_t(c.blue()) << 16; }

std::optional<int> wholeNumber(const std::string& text)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// The file that remembers the window's place between runs: the frame's top left corner.
constexpr const char* kPlaceLeft = "MainConfig/left";
constexpr const char* kPlaceTop = "MainConfig/top";

std::optional<QPoint> rememberedPlace(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
    const QSettings place(path, QSettings::IniFormat);
    bool hasLeft = false;
    bool hasTop = false;
    const QPoint at(place.value(QLatin1String(kPlaceLeft)).toInt(&hasLeft),
                    place.value(QLatin1String(kPlaceTop)).toInt(&hasTop));
    if (!hasLeft || !hasTop)
        return std::nullopt;
    return at;
}

QIcon trayPicture()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0x1a, 0x4b, 0x8c));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(1, 1, 30, 30, 6, 6);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(15);
    painter.setFont(font);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("Q7"));
    return QIcon(pixmap);
}

// A page built on first show fills its tab, which may be on screen already.
void fillTab(QWidget* tab, QWidget* page)
{
    tab->layout()->addWidget(page);
    page->show();
}

QToolButton* imageButton(const char* name, QStyle::StandardPixmap picture, const QString& hint, const QRect& geometry,
                         QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(parent->style()->standardIcon(picture));
    button->setAutoRaise(true);
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setFixedSize(geometry.size());
    button->move(geometry.topLeft());
    return button;
}

}  // namespace

MainWindow::MainWindow(Services services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_services(services),
      m_scratchDir(m_services.system.scratchDir()),
      m_kept(CodePage(systemCodePage(m_services.system.localeName().toStdString())))
{
    setObjectName(QStringLiteral("MainConfig"));
    m_store.setScanErrorReporter([this](const std::string& text) { m_services.dialogs.showMessage(systemText(text)); });
    buildLayout();
    buildTray();
    m_driverSetup = new PlayerDialog(this);
    m_players = new PlayerPanel({m_playerList, m_localIPBox, m_searchBar, m_searchButton, m_pingTimer, m_driverSetup,
                                 m_transferLog},
                                m_services.dialogs, m_services.resolver, m_services.echo, m_services.waitScale, this);
    connect(m_players, &PlayerPanel::playerOnline, m_configPage, &ConfigPage::enableBackupRestore);
    if (!m_services.historyPath.isEmpty()) {
        // A history that cannot be kept is said once, when the window can show it.
        m_history = std::make_unique<PlayerHistory>(
            m_services.historyPath.toStdString(), [this](const std::string& text) {
                QMetaObject::invokeMethod(
                    this, [this, message = systemText(text)] { m_services.dialogs.showError(message); },
                    Qt::QueuedConnection);
            });
        m_players->setHistory(m_history.get());
        // Clients may end after the window is gone: then there is nobody to record for.
        m_transfers->runner().setOutcomeListener(
            [self = QPointer<MainWindow>(this)](const std::string& address, const std::string& text) {
                if (self && self->m_history)
                    self->m_history->transfer(address, text);
            });
    }
    loadAtStart();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildLayout()
{
    // The form keeps its fixed size on every screen; the window scrolls it where the screen is smaller.
    m_scroller = new QScrollArea(this);
    m_scroller->setObjectName(QStringLiteral("FormScroller"));
    m_scroller->setFrameShape(QFrame::NoFrame);
    m_scroller->setFocusPolicy(Qt::NoFocus);  // no tab stop of its own; it follows the focus
    auto* filling = new QVBoxLayout(this);
    filling->setContentsMargins(0, 0, 0, 0);
    filling->addWidget(m_scroller);
    m_form = new QWidget;
    m_form->setObjectName(QStringLiteral("MainForm"));
    m_form->setFixedSize(kWideWidth, kHeight);
    m_scroller->setWidget(m_form);
    // The commands take the wait panel at construction; it raises itself above the pages while shown.
    m_waitPanel = new WaitPanel(m_form);

    //: Label of the box choosing this computer's address for the network search.
    auto* ipLabel = new QLabel(tr("Local IP Address : "), m_form);
    ipLabel->setGeometry(kForm.localIPLabel);
    m_localIPBox = new QComboBox(m_form);
    m_localIPBox->setObjectName(QStringLiteral("LocalIPBox"));
    makeEditable(m_localIPBox);  // the sweep takes the chosen or typed address
    m_localIPBox->setInsertPolicy(QComboBox::NoInsert);
    m_localIPBox->setGeometry(kForm.localIPBox);
    ipLabel->setBuddy(m_localIPBox);

    m_playerList = new PlayerListView(m_form);
    m_playerList->setGeometry(kForm.playerList);
    m_transferLog = new TransferLog(m_form);
    m_transferLog->setGeometry(kForm.transferLog);
    m_searchBar = new QProgressBar(m_form);
    m_searchBar->setObjectName(QStringLiteral("SearchBar"));
    m_searchBar->setGeometry(kForm.searchBar);
    m_searchBar->setTextVisible(false);
    //: Button: searches the local network for Q7 players.
    m_searchButton = new QPushButton(tr("&Search Q7"), m_form);
    m_searchButton->setObjectName(QStringLiteral("SearchQ7Button"));
    m_searchButton->setGeometry(kForm.searchButton);
    const QString commandFile = QDir(m_scratchDir).filePath(QLatin1String(kNullCommandFile));
    m_transfers = new PlayerListTransfers({m_services.processes, this, m_searchBar, m_transferLog, *m_playerList,
                                           *m_waitPanel, m_services.viewer, m_kept.codePage(), m_services.waitScale,
                                           commandFile},
                                          this);
    connect(m_transferLog, &TransferLog::retryRequested, m_transfers, &PlayerListTransfers::retryFailed);

    m_pageControl = new QTabWidget(m_form);
    m_pageControl->setObjectName(QStringLiteral("PageControl1"));
    m_pageControl->setGeometry(kForm.pageControl);
    fitCaptions(m_pageControl);
    m_configPage = new ConfigPage(m_services.dialogs, m_store, m_kept.codePage(), m_pageControl);
    m_pageControl->addTab(m_configPage, tr("Configuration"));
    auto* exchange = new ConfigExchange(*m_configPage, *m_transfers, m_services.dialogs);  // owned by the page
    // A player removed or renamed no longer stands for the configuration in the pages.
    connect(m_playerList->model(), &QAbstractItemModel::rowsRemoved, exchange,
            &ConfigExchange::forgetSourceUnlessListed);
    connect(m_playerList->model(), &QAbstractItemModel::dataChanged, exchange,
            &ConfigExchange::forgetSourceUnlessListed);
    m_commandTab = addPageTab(tr("Remote Command"));
    m_messageTab = addPageTab(tr("Message Control"));
    m_fileListTab = addPageTab(tr("File List Manager"));
    //: Tab caption: examples of list files.
    m_exampleTab = addPageTab(tr("Example"));
    m_pageState.messageFont = MessagePage::defaultFont();
    connect(m_pageControl, &QTabWidget::currentChanged, this, &MainWindow::buildPageShown);

    m_widenButton = imageButton("Image5", QStyle::SP_ArrowRight, tr("Show all pages"), kForm.widthToggle, m_form);
    m_narrowButton =
        imageButton("Image2", QStyle::SP_ArrowLeft, tr("Show the player list only"), kForm.widthToggle, m_form);
    //: Tooltip of the button that hides the window to the system tray.
    m_hideButton = imageButton("Image4", QStyle::SP_TitleBarMinButton, tr("Hide Main page"), kForm.hideButton, m_form);
    m_closeButton = imageButton("Image6", QStyle::SP_TitleBarCloseButton, tr("Close Configuration Tools"),
                                kForm.closeButton, m_form);
    m_widenButton->hide();
    connect(m_widenButton, &QToolButton::clicked, this, &MainWindow::toggleWidth);
    connect(m_narrowButton, &QToolButton::clicked, this, &MainWindow::toggleWidth);
    connect(m_hideButton, &QToolButton::clicked, this, &MainWindow::hideToTray);
    connect(m_closeButton, &QToolButton::clicked, this, &QWidget::close);

    m_pingTimer = new QTimer(this);
    m_pingTimer->setObjectName(QStringLiteral("PingTimer"));
}

QWidget* MainWindow::addPageTab(const QString& caption)
{
    auto* tab = new QWidget(m_pageControl);
    (new QVBoxLayout(tab))->setContentsMargins(0, 0, 0, 0);
    m_pageControl->addTab(tab, caption);
    return tab;
}

void MainWindow::buildPageShown(int index)
{
    const QWidget* tab = m_pageControl->widget(index);
    if (tab == m_commandTab)
        commandPage();
    else if (tab == m_messageTab)
        messagePage();
    else if (tab == m_fileListTab)
        fileListPage();
    else if (tab == m_exampleTab)
        examplePage();
}

RemoteCommandPage* MainWindow::commandPage()
{
    if (m_commandPage)
        return m_commandPage;
    m_commandPage = new RemoteCommandPage(*m_transfers, m_services.dialogs, m_scratchDir, m_commandTab);
    fillTab(m_commandTab, m_commandPage);
    for (QAbstractButton* button : m_commandPage->sendButtons())
        addSendButton(button);
    m_commandPage->fillDescriptions();
    return m_commandPage;
}

MessagePage* MainWindow::messagePage()
{
    if (m_messagePage)
        return m_messagePage;
    m_messagePage = new MessagePage({m_services.dialogs, *m_transfers, m_scratchDir, m_kept.codePage().number()},
                                    m_messageTab);
    fillTab(m_messageTab, m_messagePage);
    m_messagePage->initScrollRange();
    m_messagePage->setCodePageItem(m_pageState.codePageItem);
    m_messagePage->setMessageFont(m_pageState.messageFont);
    m_messagePage->setForeColor(m_pageState.foreColor);
    m_messagePage->setBackColor(m_pageState.backColor);
    return m_messagePage;
}

FileListPage* MainWindow::fileListPage()
{
    if (m_fileListPage)
        return m_fileListPage;
    m_fileListPage = new FileListPage(
        m_services.dialogs, m_kept.codePage(), [this] { return m_localIPBox->currentText(); }, m_fileListTab);
    fillTab(m_fileListTab, m_fileListPage);
    m_fileListPage->setDirectory(m_pageState.listRoot);
    m_fileListPage->setDownUrl(m_pageState.downUrl);
    m_fileListPage->setUpUrl(m_pageState.upUrl);
    m_fileListPage->setPlayListDate(m_pageState.playListDate);
    return m_fileListPage;
}

ExamplePage* MainWindow::examplePage()
{
    if (m_examplePage)
        return m_examplePage;
    m_examplePage = new ExamplePage(m_exampleTab);
    fillTab(m_exampleTab, m_examplePage);
    m_examplePage->showPictures();
    for (QWidget* picture : m_examplePage->pictures())  // a left press on them drags the window
        picture->installEventFilter(this);
    return m_examplePage;
}

MainWindow::PageState MainWindow::pageState() const
{
    PageState state = m_pageState;
    if (m_messagePage) {
        state.messageFont = m_messagePage->messageFont();
        state.foreColor = m_messagePage->foreColor();
        state.backColor = m_messagePage->backColor();
    }
    if (m_fileListPage) {
        state.listRoot = m_fileListPage->directory();
        state.downUrl = m_fileListPage->downUrl();
        state.upUrl = m_fileListPage->upUrl();
    }
    return state;
}

void MainWindow::buildTray()
{
    m_trayIcon = new QSystemTrayIcon(this);  // its picture is drawn when it is first shown
    m_trayIcon->setObjectName(QStringLiteral("CoolTrayIcon1"));
    m_trayIcon->setToolTip(QLatin1String(kCaption));
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("PopupMenu2"));
    //: Tray menu: shows the window again.
    QAction* open = menu->addAction(tr("Open Configuration Tools"));
    open->setObjectName(QStringLiteral("Open1"));
    //: Tray menu: closes the tool.
    QAction* exit = menu->addAction(tr("Exit "));
    exit->setObjectName(QStringLiteral("Exit1"));
    connect(open, &QAction::triggered, this, &MainWindow::showFromTray);
    connect(exit, &QAction::triggered, this, &QWidget::close);
    m_trayIcon->setContextMenu(menu);
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick)
            showFromTray();
    });
}

void MainWindow::loadAtStart()
{
    // 1-3: centre the wait panel on the form, caption, place the window on the screen.
    m_waitPanel->move((m_form->width() - m_waitPanel->width()) / 2, (m_form->height() - m_waitPanel->height()) / 2);
    setWindowTitle(QLatin1String(kCaption));
    placeAtStart();

    // 4: the settings file always lives in the start folder; its name is made absolute, so later
    // changes of the working directory cannot move it.
    m_startDir = m_services.startDir.isEmpty() ? QDir::currentPath() : m_services.startDir;
    m_transfers->setWorkingDir(m_startDir);
    if (!takeSettingsLock())
        return;

    // 5: local addresses for the network search; the last one is selected.
    const QStringList localAddresses = m_services.system.localIPv4Addresses();
    m_localIPBox->addItem(QStringLiteral("127.0.0.1"));
    m_localIPBox->addItems(localAddresses);
    m_localIPBox->setCurrentIndex(m_localIPBox->count() - 1);

    // 6: scratch folder and the empty command file. Without them the commands cannot be sent
    // later, but start-up goes on so that no setting is lost.
    prepareScratch(localPath(m_scratchDir));
    m_store.setFileName(localPath(QDir(m_startDir).filePath(QLatin1String(kSettingsReadName))));

    // A settings file that cannot be used (a FIFO, a device, a folder, far too large) is never
    // waited on or read through: the tool starts with its defaults and says why.
    std::string problem;
    const AppSettings stored = loadAppSettings(localPath(m_startDir), problem);
    if (!problem.empty())
        //: %1 says why the settings file cannot be used.
        m_services.dialogs.showError(tr("%1\n\nThe tool starts with its default settings.").arg(systemText(problem)));

    // 7-8 (message font and colours, drawing strip scroll range) and 9 (command descriptions) are
    // filled in when their pages are built. 10-11: page rules, code page from the locale.
    m_configPage->runUpdateRules();
    m_pageState.codePageItem = codePageItemForLocale(windowsLocaleId(m_services.system.localeName().toStdString()));

    // 12: players, 13-14: list root and server addresses, with the font and colours of step 7.
    applyStoredSettings(stored);

    // 15: play-list date.
    m_pageState.playListDate = QDateTime::currentDateTime();

    m_startupState = settingsFromWindow();

    // Without the client nothing reaches a player: said once, naming what to install.
    if (const QString notice = m_transfers->runner().missingClientNotice(); !notice.isEmpty())
        m_services.dialogs.showMessage(notice);
}

void MainWindow::fitToScreen(const QScreen* screen)
{
    const QSize room = screen->availableGeometry().size().shrunkBy(frameMarginsOrGuess(*this));
    const QSize form = m_form->size();
    const int barWidth = m_scroller->verticalScrollBar()->sizeHint().width();
    const int barHeight = m_scroller->horizontalScrollBar()->sizeHint().height();
    // A scroll bar along one side takes room from the other.
    bool scrollsDown = form.height() > room.height();
    const bool scrollsAcross = form.width() + (scrollsDown ? barWidth : 0) > room.width();
    scrollsDown = scrollsDown || form.height() + (scrollsAcross ? barHeight : 0) > room.height();
    setFixedSize(std::min(form.width() + (scrollsDown ? barWidth : 0), room.width()),
                 std::min(form.height() + (scrollsAcross ? barHeight : 0), room.height()));
}

void MainWindow::keepOnScreen(const QScreen* screen, QPoint framePos)
{
    const QRect area = screen->availableGeometry();
    const QSize outer = size().grownBy(frameMarginsOrGuess(*this));
    // Left and top win, so that the title bar is on the area even should the frame be larger.
    framePos.setX(std::max(std::min(framePos.x(), area.x() + area.width() - outer.width()), area.x()));
    framePos.setY(std::max(std::min(framePos.y(), area.y() + area.height() - outer.height()), area.y()));
    move(framePos);
}

void MainWindow::placeAtStart()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect whole = screen->geometry();
    std::optional<QPoint> at;
    if (const std::optional<QPoint> remembered = rememberedPlace(m_services.placePath)) {
        // Kept only while a screen still shows part of the window there: the one that shows most.
        const QRect was(*remembered, m_form->size().grownBy(frameMarginsOrGuess(*this)));
        qint64 most = 0;
        for (const QScreen* candidate : QGuiApplication::screens()) {
            const QRect common = candidate->availableGeometry().intersected(was);
            if (qint64(common.width()) * common.height() > most) {
                most = qint64(common.width()) * common.height();
                screen = candidate;
                at = remembered;
            }
        }
    }
    fitToScreen(screen);
    // Else centred on the primary screen, where the form has always opened.
    keepOnScreen(screen, at.value_or(QPoint(whole.x() + (whole.width() - width()) / 2,
                                            whole.y() + (whole.height() - height()) / 2)));
}

void MainWindow::rememberPlace() const
{
    if (m_services.placePath.isEmpty())
        return;
    QSettings place(m_services.placePath, QSettings::IniFormat);
    place.setValue(QLatin1String(kPlaceLeft), frameGeometry().x());
    place.setValue(QLatin1String(kPlaceTop), frameGeometry().y());
}

bool MainWindow::takeSettingsLock()
{
    // q7ctl holds the lock only for the moment it writes the file. A lock file that cannot be made
    // (a folder without write access) leaves the window running without it, as before.
    m_settingsLock = SettingsLock::acquire(localPath(m_startDir), std::chrono::seconds(1));
    if (m_settingsLock.held()) {
        m_forwardChannel = new ForwardChannel(this);
        // Without the channel a later window cannot bring this one forward; everything else works.
        if (m_forwardChannel->listen(m_startDir))
            connect(m_forwardChannel, &ForwardChannel::forwardRequested, this, [this] {
                showFromTray();
                emit broughtForward();
            });
        return true;
    }
    if (!m_settingsLock.heldElsewhere())
        return true;

    // Another window runs on these settings and rebuilds the file when it closes: running as its
    // equal would lose what either of them (or q7ctl meanwhile) changed.
    //: %1 is a folder. The answers are the buttons "Bring it forward", "Open read-only" and "Quit".
    const QString text = tr("Another Q7 Configuration Tool window is running in \"%1\" and keeps its settings.\n\n"
                            "Bring that window forward, open this one read-only (it saves nothing), or quit?")
                             .arg(QDir::toNativeSeparators(m_startDir));
    switch (m_services.dialogs.askSettingsInUse(text)) {
    case Dialogs::SettingsInUseAnswer::ReadOnly:
        m_readOnly = true;
        //: Window caption of a second window that saves nothing: %1 is the product name and version.
        setWindowTitle(tr("%1 (read-only)").arg(QLatin1String(kCaption)));
        m_trayIcon->setToolTip(windowTitle());
        return true;
    case Dialogs::SettingsInUseAnswer::BringForward:
        if (QString why; !ForwardChannel::requestForward(m_startDir, &why))
            m_services.dialogs.showError(tr("The running window could not be brought forward: %1").arg(why));
        break;
    case Dialogs::SettingsInUseAnswer::Quit:
        break;
    }
    m_readOnly = true;  // should it be shown or closed anyway, it still saves nothing
    m_endsAtStart = true;
    return false;
}

void MainWindow::applyStoredSettings(const AppSettings& s)
{
    QFont& font = m_pageState.messageFont;
    if (s.fontName.size() > 1)
        font.setFamily(shown(m_kept, "FONT/NAME", s.fontName));
    if (!s.fontSize.empty()) {
        if (const auto size = wholeNumber(s.fontSize); size && *size > 0 && *size <= 1638)
            font.setPointSize(*size);
        else
            m_unusedStored.emplace_back(&AppSettings::fontSize, s.fontSize);
    }
    auto applyColor = [this](const std::string& text, std::string AppSettings::*field, QColor& color) {
        if (text.size() <= 1)
            return;
        if (const auto value = colorFromText(text))
            color = colorFromValue(*value);
        else
            m_unusedStored.emplace_back(field, text);
    };
    applyColor(s.foreColor, &AppSettings::foreColor, m_pageState.foreColor);
    applyColor(s.backColor, &AppSettings::backColor, m_pageState.backColor);

    std::set<std::string> listed;
    QStringList refused;
    for (const StoredPlayer& player : s.players) {
        const QString address = QString::fromStdU16String(m_kept.codePage().decode(player.address));
        const std::string row = address.toStdString();
        if (!isIPv4Address(row)) {  // kept in the file, in case it is mended there, but never sent to
            m_unusablePlayers.push_back(player);
            const QString name = QString::fromStdU16String(m_kept.codePage().decode(player.name));
            //: The field an address problem is about: %1 is the player's name.
            refused << shownText(ipv4Problem(row, tr("IP Address of %1").arg(name).toStdString()));
            continue;
        }
        if (!listed.insert(row).second)
            continue;  // a later slot of a listed address is skipped; its bytes must not replace the row's
        shown(m_kept, playerAddressKey(row), player.address);  // remembers the address's own bytes
        addPlayer(shown(m_kept, playerNameKey(row), player.name), address);
    }

    if (!refused.isEmpty())
        //: %1 lists the players, one a line, each with why its address is unusable.
        m_services.dialogs.showMessage(tr("These players of the settings file are not listed:\n%1\n\n"
                                          "They stay in the settings file as they are.")
                                           .arg(refused.join(QLatin1Char('\n'))));

    // A list root that no longer exists is kept in the file, in case its disk comes back.
    const QString root = shown(m_kept, "LIST_EDIT/ROOT", s.root);
    if (!root.isEmpty() && QDir(root).exists()) {
        m_pageState.listRoot = root;
    } else {
        m_pageState.listRoot = QDir::homePath();
        if (!root.isEmpty())
            m_unusedStored.emplace_back(&AppSettings::root, s.root);
    }
    m_pageState.downUrl = shown(m_kept, "LIST_EDIT/DOWNURL", s.downUrl);
    m_pageState.upUrl = shown(m_kept, "LIST_EDIT/UPURL", s.upUrl);
}

AppSettings MainWindow::settingsFromWindow() const
{
    AppSettings s;
    const PageState pages = pageState();
    const QFont& font = pages.messageFont;
    s.fontName = stored(m_kept, "FONT/NAME", font.family());
    const int points = font.pointSize() > 0 ? font.pointSize() : qRound(font.pixelSize() * 72.0 / 96.0);
    s.fontSize = std::to_string(points);
    s.foreColor = colorToText(valueFromColor(pages.foreColor));
    s.backColor = colorToText(valueFromColor(pages.backColor));
    s.root = stored(m_kept, "LIST_EDIT/ROOT", QDir::toNativeSeparators(pages.listRoot));
    s.downUrl = stored(m_kept, "LIST_EDIT/DOWNURL", pages.downUrl);
    s.upUrl = stored(m_kept, "LIST_EDIT/UPURL", pages.upUrl);
    for (const StoredPlayer& player : m_playerList->players())
        s.players.push_back({stored(m_kept, playerNameKey(player.address), QString::fromStdString(player.name)),
                             stored(m_kept, playerAddressKey(player.address), QString::fromStdString(player.address))});
    return s;
}

bool MainWindow::saveAtClose()
{
    const bool echoWasActive = m_pingTimer->isActive();
    m_pingTimer->stop();
    if (m_readOnly) {
        // The running window owns the settings file and the fetch temporaries of the start folder.
        m_players->shutDown();
        return true;
    }

    AppSettings s = settingsFromWindow();
    for (const auto& [field, raw] : m_unusedStored)
        if (s.*field == m_startupState.*field)
            s.*field = raw;
    s.players.insert(s.players.end(), m_unusablePlayers.begin(), m_unusablePlayers.end());
    try {
        saveAppSettings(localPath(m_startDir), s);
    } catch (const IniError& e) {
        m_services.dialogs.showError(shownText(e.phrase()));
        if (echoWasActive)
            m_pingTimer->start();
        return false;
    }
    m_store.setFileName(localPath(QDir(m_startDir).filePath(QLatin1String(kSettingsWriteName))));
    // No client goes on writing a fetch once the window has gone (puts may finish by themselves);
    // then only this tool's own temporaries are removed, never a user's file.
    m_transfers->runner().stopFetches();
    deleteTftpFiles(localPath(m_startDir));
    m_players->shutDown();
    return true;
}

bool MainWindow::commandsAllowClose()
{
    const int busy = m_transfers->busyCommands();
    if (busy == 0)
        return true;
    if (!m_stopCommandsOnClose) {
        if (m_waitingForCommands)
            return false;  // asked once; the window closes by itself when they are over
        const QString text =
            busy == 1 ? tr("1 command is still running.") : tr("%1 commands are still running.").arg(busy);
        if (m_services.dialogs.askStillRunning(text) == Dialogs::StillRunningAnswer::Wait) {
            m_waitingForCommands = true;
            m_closeWhenCommandsOver = connect(
                m_transfers, &PlayerListTransfers::commandsOver, this,
                [this] {
                    m_waitingForCommands = false;
                    close();
                },
                static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection));
            return false;
        }
    }
    // No later step goes out, and no fetch is left half written.
    disconnect(m_closeWhenCommandsOver);
    m_transfers->stopCommands();
    return true;
}

void MainWindow::closeStoppingCommands()
{
    m_stopCommandsOnClose = true;
    close();
    m_stopCommandsOnClose = false;  // should saving fail, a later close asks again
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_closed && !commandsAllowClose()) {
        event->ignore();
        return;
    }
    if (!m_closed && !saveAtClose()) {
        event->ignore();
        return;
    }
    m_closed = true;
    m_trayIcon->hide();
    rememberPlace();
    event->accept();
    emit closed();
}

void MainWindow::addPlayer(const QString& name, const QString& address) { m_players->addPlayer(name, address); }

void MainWindow::addSendButton(QAbstractButton* button) { m_transfers->runner().addSendButton(button); }


void MainWindow::hideToTray()
{
    // Without a tray the window could never come back, so it is only minimised then.
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        showMinimized();
        return;
    }
    if (m_trayIcon->icon().isNull())
        m_trayIcon->setIcon(trayPicture());
    m_trayIcon->show();
    hide();
}

void MainWindow::showFromTray()
{
    m_trayIcon->hide();
    showNormal();
    raise();
    activateWindow();
}


void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Shown, the window may know its real frame (some window managers tell it later; the guess
    // stands until then): it fits again with that and keeps its frame on the free area.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!isVisible())
                return;
            fitToScreen(windowHandle()->screen());
            keepOnScreen(windowHandle()->screen(), frameGeometry().topLeft());
        },
        Qt::QueuedConnection);
    if (!m_watchingScreen) {  // and it fits itself to every screen it is moved to
        m_watchingScreen = true;
        connect(windowHandle(), &QWindow::screenChanged, this, [this](QScreen* screen) {
            if (screen)
                fitToScreen(screen);
        });
    }
}

void MainWindow::toggleWidth()
{
    const bool narrow = m_form->width() == kWideWidth;
    m_form->setFixedWidth(narrow ? kNarrowWidth : kWideWidth);
    fitToScreen(screen());
    m_widenButton->setVisible(narrow);
    m_narrowButton->setVisible(!narrow);
}

bool MainWindow::beginDrag(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return false;
    if (windowHandle() && windowHandle()->startSystemMove())
        return true;
    m_dragging = true;  // no window manager move: follow the mouse ourselves
    m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
    return true;
}

void MainWindow::mousePressEvent(QMouseEvent* event)
{
    if (!beginDrag(event))
        QWidget::mousePressEvent(event);
}

void MainWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - m_dragOffset);
        return;
    }
    m_dragging = false;
    QWidget::mouseMoveEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && beginDrag(static_cast<QMouseEvent*>(event)))
        return true;
    if (event->type() == QEvent::MouseMove && m_dragging) {
        mouseMoveEvent(static_cast<QMouseEvent*>(event));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace q7
