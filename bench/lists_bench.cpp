// File List Manager: scanning a list root into the source list, saving a download list, and
// parsing a player's listing; median of a few runs. Target: each under 100 ms (and a folder of
// 100 000 files shown in under a second).

#include "gui/lists/filelistpage.h"
#include "core/lists/listfiles.h"
#include "support/fakes.h"
#include "support/tempdir.h"
#include "benchtools.h"

#include <QAbstractButton>
#include <QApplication>
#include <QListWidget>
#include <QRadioButton>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

using namespace q7;
using q7::bench::medianMs;
namespace fs = std::filesystem;

namespace {

void makeFiles(const std::string& folder, int count)
{
    fs::create_directories(folder);
    for (int i = 0; i < count; ++i)
        test::writeBytes((fs::path(folder) / (std::to_string(100000 + i) + ".mp3")).string(), "");
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    test::TempDir root, flat, out;
    for (int folder = 0; folder < 100; ++folder)
        makeFiles(root.file(std::to_string(1000 + folder)), 100);
    makeFiles(flat.path(), 100000);

    test::FakeDialogs dialogs;
    FileListPage page(dialogs, CodePage(1252), [] { return QStringLiteral("127.0.0.1"); });
    page.setDirectory(QString::fromStdString(root.path()));
    const double scan = medianMs(9, [&] { page.reloadSourceList(); });

    page.addAllFiles();
    for (auto* radio : page.findChildren<QRadioButton*>())
        if (radio->text() == QLatin1String("Download List"))
            radio->click();
    const QString target = QString::fromStdString(out.file("down.lst"));
    const double save = medianMs(9, [&] {
        dialogs.fileAnswers.push_back(target);
        page.saveList();
    });

    std::string listing = "/tmp/ccc/HDD:\n";
    for (int i = 0; i < 100000; ++i) {
        if (i % 1000 == 0)
            listing.append("/tmp/ccc/HDD/folder").append(std::to_string(i)).append(":\n");
        listing.append("-rwxr-xr-x    1 root     root       1048576 Jan  1 00:00 clip").append(std::to_string(i));
        listing.append(".mpg\n");
    }
    size_t parsed = 0;
    const double parse = medianMs(9, [&] { parsed = lists::parseListing(listing).size(); });

    page.setDirectory(QString::fromStdString(flat.path()));
    const double big = medianMs(3, [&] { page.reloadSourceList(); });
    const int shown = page.findChild<QListWidget*>(QStringLiteral("PreviewListBox"))->count();

    if (!dialogs.errors.empty() || parsed != 100000 || shown != 100000) {
        std::fprintf(stderr, "lists bench: unexpected result (%zu parsed, %d shown)\n", parsed, shown);
        return 1;
    }
    std::printf("lists scan of 10 000 files in 100 folders: %.1f ms\n", scan);
    std::printf("lists save of a 10 000-entry download list: %.1f ms\n", save);
    std::printf("lists parse of a 100 000-line listing: %.1f ms\n", parse);
    std::printf("lists scan and show of a 100 000-file folder: %.1f ms\n", big);
    return 0;
}
