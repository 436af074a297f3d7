#include "gui/mainwindow/mainwindow.h"
#include "gui/mainwindow/signalclose.h"
#include "core/platform/linuxnetwork.h"
#include "core/players/history.h"
#include "core/settings/uilanguage.h"
#include "gui/platform/process.h"
#include "gui/platform/qtdialogs.h"
#include "gui/platform/system.h"
#include "gui/platform/translators.h"
#include "gui/platform/viewer.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace {

// The desktop entry starts the tool with "--desktop": it then works in a folder of its own,
// $XDG_DATA_HOME/q7-config-tool/work (made on first start), instead of the home folder the
// desktop starts it in, so its settings and fetched copies never mix with the user's files.
// Started by hand the tool works in the folder it is started from.
void enterDesktopFolder()
{
    const std::filesystem::path work =
        std::filesystem::path(q7::PlayerHistory::defaultPath()).parent_path() / "work";
    std::error_code ec;
    std::filesystem::create_directories(work, ec);
    if (ec || ::chdir(work.c_str()) != 0)
        // untranslated: said before the application, and so its translator, exists
        std::fprintf(stderr, "q7-config-tool: cannot work in %s: %s\n", work.c_str(),
                     ec ? ec.message().c_str() : std::strerror(errno));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--desktop") == 0) {
        enterDesktopFolder();
        argc = 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("q7-config-tool"));
    // Qt adds the display name to every window title that does not already end with it, so the
    // caption itself is the display name: the main window shows it once, dialogs carry it too.
    QApplication::setApplicationDisplayName(QLatin1String(q7::MainWindow::kCaption));
    // The window may sit in the tray with nothing visible; only closing it ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    // The fixed-size window is laid out for a compact 8-point face.
    QFont compact = QApplication::font();
    compact.setPointSize(8);
    QApplication::setFont(compact);
    // The desktop's language where the tool has a catalog for it; English otherwise.
    q7::installTranslators(q7::catalogLanguage(), q7::catalogFolders());

    q7::QtDialogs dialogs;
    q7::QtSystemInfo system;
    q7::QtProcessStarter processes;
    q7::LinuxAddressResolver resolver;
    q7::LinuxEchoProbe echo;
    q7::QtViewer viewer;
    // Where the window was is the user's, not the start folder's: kept in the user's configuration folder.
    const QString placePath = QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
                                  .filePath(QStringLiteral("window.ini"));
    q7::MainWindow window(q7::Services{dialogs, system, processes, resolver, echo, viewer, QString(), 1.0,
                                          QString::fromStdString(q7::PlayerHistory::defaultPath()), placePath});
    // Another window of this folder was brought forward, or the operator chose to quit.
    if (window.endsAtStart())
        return 0;
    // Dialogs carry the caption too, read-only included.
    QApplication::setApplicationDisplayName(window.windowTitle());
    dialogs.setParent(&window);
    QObject::connect(&window, &q7::MainWindow::closed, &app, &QApplication::quit, Qt::QueuedConnection);
    // Only now, with start-up finished: a signal that came earlier kept its default action and
    // ended the program without writing anything over the stored settings.
    q7::closeOnTerminationSignals(&window);
    window.show();
    return app.exec();
}
