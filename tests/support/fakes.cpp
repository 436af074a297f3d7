#include "support/fakes.h"

#include "gui/players/playerlistview.h"

#include <QListWidget>

#include <gtest/gtest.h>

namespace q7::test {
namespace {

template <typename T>
std::optional<T> nextAnswer(std::deque<std::optional<T>>& answers, const char* what)
{
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected " << what << " dialog";
        return std::nullopt;
    }
    std::optional<T> answer = answers.front();
    answers.pop_front();
    return answer;
}

// Records a question and gives the next queued answer; none queued fails the test with `fallback`.
template <typename T>
T nextReply(std::vector<QString>& questions, std::deque<T>& answers, const QString& text, T fallback)
{
    questions.push_back(text);
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return fallback;
    }
    const T answer = answers.front();
    answers.pop_front();
    return answer;
}

}  // namespace

std::optional<QString> FakeDialogs::openFileName(const QString& filter, int filterIndex, const QString& fileName)
{
    fileRequests.push_back({false, filter, filterIndex, fileName});
    return nextAnswer(fileAnswers, "open");
}

std::optional<QString> FakeDialogs::saveFileName(const QString& filter, int filterIndex, const QString& fileName)
{
    fileRequests.push_back({true, filter, filterIndex, fileName});
    return nextAnswer(fileAnswers, "save");
}

std::optional<QString> FakeDialogs::chooseFolder(const QString&, const QString&)
{
    return nextAnswer(folderAnswers, "folder");
}

std::optional<QFont> FakeDialogs::chooseFont(const QFont&) { return nextAnswer(fontAnswers, "font"); }
std::optional<QColor> FakeDialogs::chooseColor(const QColor&) { return nextAnswer(colorAnswers, "colour"); }

Dialogs::StillRunningAnswer FakeDialogs::askStillRunning(const QString& text)
{
    return nextReply(stillRunningQuestions, stillRunningAnswers, text, StillRunningAnswer::Wait);
}

bool FakeDialogs::askYesNo(const QString& text)
{
    return nextReply(yesNoQuestions, yesNoAnswers, text, false);
}

Dialogs::SettingsInUseAnswer FakeDialogs::askSettingsInUse(const QString& text)
{
    return nextReply(settingsInUseQuestions, settingsInUseAnswers, text, SettingsInUseAnswer::Quit);
}

QStringList transferLogLines(const QWidget& window)
{
    QStringList lines;
    const auto* log = window.findChild<const QListWidget*>(QStringLiteral("TransferLog"));
    for (int i = 0; log && i < log->count(); ++i)
        lines << log->item(i)->text().mid(9);  // "hh:mm:ss " first
    return lines;
}

void markRow(FakeEchoProbe& echo, PlayerListView& list, int row, bool checked, bool online)
{
    QTreeWidgetItem* item = list.topLevelItem(row);
    item->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
    echo.setRoundTrip(item->text(2).toStdString(), online ? std::optional(1) : std::nullopt);
    list.setOnline(row, online);
}

}  // namespace q7::test
