// Bitmap message: draw a full-width text, cut it into five segments and write message.target,
// through the real sheet; median time and the process's peak memory. Target: under 50 ms.

#include "gui/messages/bitmapmessagesheet.h"
#include "gui/transfer/playertransfers.h"
#include "support/fakes.h"
#include "support/tempdir.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <sys/resource.h>
#include <vector>

using Clock = std::chrono::steady_clock;
using namespace q7;

namespace {

// Rows stand in for the player list: none is served, so nothing is put.
class NoPlayers final : public PlayerTransfers {
public:
    int rowCount() const override { return 0; }
    int firstCheckedRow() const override { return -1; }
    QString address(int) const override { return {}; }
    QString name(int) const override { return {}; }
    bool served(int) const override { return false; }
    QString workingDir() const override { return {}; }
    std::vector<commands::Target> targets(int) const override { return {}; }
    void run(const commands::Command&, std::vector<commands::Target>, commands::SequenceFiles, const QObject*,
             Ended) override
    {
    }
};

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    test::TempDir scratch;
    test::FakeDialogs dialogs;
    NoPlayers players;
    BitmapMessageSheet sheet({dialogs, players, QString::fromStdString(scratch.path())});
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(60);
    sheet.setMessageFont(font);
    // As many characters as fit the width limit, so the message takes all five segments.
    const QImage device(1, 1, QImage::Format_RGB888);
    const QFontMetrics metrics(font, &device);
    QString text;
    while (metrics.horizontalAdvance(text + QLatin1Char('W')) <= messages::kTextLimit)
        text += QLatin1Char('W');
    sheet.findChild<QLineEdit*>(QStringLiteral("MessageEdit"))->setText(text);

    std::vector<double> times;
    for (int i = 0; i < 21; ++i) {
        const auto begin = Clock::now();
        sheet.showPreview();
        sheet.saveSegments();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - begin).count());
    }
    std::sort(times.begin(), times.end());
    const auto size = std::filesystem::file_size(scratch.file("message.target"));
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    if (!dialogs.errors.empty() || !dialogs.messages.empty()) {
        std::fprintf(stderr, "messages bench: the message did not render\n");
        return 1;
    }
    std::printf("bitmap message render + segments + message.target (%ju bytes): %.1f ms, peak memory %.1f MiB\n",
                uintmax_t(size), times[times.size() / 2], usage.ru_maxrss / 1024.0);
    return 0;
}
