// Save Config File and Open Config File on the real Configuration tab (dialog answered in advance):
// time per operation, median of many runs. Target: well under 10 ms each.

#include "gui/config/configpage.h"
#include "support/fakes.h"
#include "support/tempdir.h"
#include "benchtools.h"

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace q7;
using q7::bench::medianMs;

namespace {

constexpr int kRuns = 200;

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    test::TempDir dir;
    test::FakeDialogs dialogs;
    IniStore store(dir.file("settings.ini"));
    ConfigPage page(dialogs, store, CodePage(1252));
    page.runUpdateRules();
    const QString file = QString::fromStdString(dir.file("config.conf"));

    const double save = medianMs(kRuns, [&] {
        dialogs.fileAnswers.push_back(file);
        page.saveToChosenFile();
    });
    const double open = medianMs(kRuns, [&] {
        dialogs.fileAnswers.push_back(file);
        page.openChosenFile();
    });
    if (!dialogs.errors.empty()) {
        std::fprintf(stderr, "config bench: %s\n", dialogs.errors.front().toLocal8Bit().constData());
        return 1;
    }
    std::printf("config save: %.2f ms/op\n", save);
    std::printf("config open: %.2f ms/op\n", open);
    return 0;
}
