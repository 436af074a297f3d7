#include "gui/platform/qtdialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPushButton>

namespace q7 {

QStringList nameFiltersFromPairs(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << QStringLiteral("%1 (%2)").arg(parts[i], QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')));
    return filters;
}

void QtDialogs::showMessage(const QString& text)
{
    QMessageBox::information(m_parent, QApplication::applicationDisplayName(), text, QMessageBox::Ok);
}

void QtDialogs::showError(const QString& text)
{
    QMessageBox::critical(m_parent, QApplication::applicationDisplayName(), text, QMessageBox::Ok);
}

std::optional<QString> QtDialogs::runFileDialog(bool save, const QString& filter, int filterIndex,
                                                const QString& fileName)
{
    QFileDialog dialog(m_parent);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    const QStringList filters = nameFiltersFromPairs(filter);
    dialog.setNameFilters(filters);
    if (filterIndex >= 1 && filterIndex <= filters.size())
        dialog.selectNameFilter(filters[filterIndex - 1]);
    if (!fileName.isEmpty())
        dialog.selectFile(fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtDialogs::openFileName(const QString& filter, int filterIndex, const QString& fileName)
{
    return runFileDialog(false, filter, filterIndex, fileName);
}

std::optional<QString> QtDialogs::saveFileName(const QString& filter, int filterIndex, const QString& fileName)
{
    return runFileDialog(true, filter, filterIndex, fileName);
}

std::optional<QString> QtDialogs::chooseFolder(const QString& caption, const QString& folder)
{
    const QString chosen = QFileDialog::getExistingDirectory(m_parent, caption, folder);
    return chosen.isEmpty() ? std::nullopt : std::optional<QString>(chosen);
}

std::optional<QFont> QtDialogs::chooseFont(const QFont& initial)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, m_parent);
    return ok ? std::optional<QFont>(font) : std::nullopt;
}

std::optional<QColor> QtDialogs::chooseColor(const QColor& initial)
{
    const QColor color = QColorDialog::getColor(initial, m_parent);
    return color.isValid() ? std::optional<QColor>(color) : std::nullopt;
}

Dialogs::StillRunningAnswer QtDialogs::askStillRunning(const QString& text)
{
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), text, QMessageBox::NoButton,
                    m_parent);
    //: Closing while commands run: close once they have finished.
    QPushButton* wait = box.addButton(QCoreApplication::translate("QuestionBoxes", "Wait"), QMessageBox::RejectRole);
    //: Closing while commands run: stop the running commands and close.
    QPushButton* stop =
        box.addButton(QCoreApplication::translate("QuestionBoxes", "Stop them"), QMessageBox::DestructiveRole);
    box.setDefaultButton(wait);
    box.setEscapeButton(wait);
    box.exec();
    return box.clickedButton() == stop ? StillRunningAnswer::Stop : StillRunningAnswer::Wait;
}

bool QtDialogs::askYesNo(const QString& text)
{
    return QMessageBox::question(m_parent, QApplication::applicationDisplayName(), text,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

Dialogs::SettingsInUseAnswer QtDialogs::askSettingsInUse(const QString& text)
{
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), text, QMessageBox::NoButton,
                    m_parent);
    //: Another window runs on the same settings: show that window.
    QPushButton* forward =
        box.addButton(QCoreApplication::translate("QuestionBoxes", "Bring it forward"), QMessageBox::AcceptRole);
    //: Another window runs on the same settings: open this one anyway, saving nothing.
    QPushButton* readOnly =
        box.addButton(QCoreApplication::translate("QuestionBoxes", "Open read-only"), QMessageBox::ActionRole);
    //: Another window runs on the same settings: end this one.
    QPushButton* quit = box.addButton(QCoreApplication::translate("QuestionBoxes", "Quit"), QMessageBox::RejectRole);
    box.setDefaultButton(forward);
    box.setEscapeButton(quit);
    box.exec();
    if (box.clickedButton() == forward)
        return SettingsInUseAnswer::BringForward;
    if (box.clickedButton() == readOnly)
        return SettingsInUseAnswer::ReadOnly;
    return SettingsInUseAnswer::Quit;
}

}  // namespace q7
