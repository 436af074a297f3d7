#pragma once
#include "gui/platform/dialogs.h"

class QWidget;

namespace q7 {

// The real dialogs, parented to the main window.
class QtDialogs final : public Dialogs {
public:
    void setParent(QWidget* parent) { m_parent = parent; }

    void showMessage(const QString& text) override;
    void showError(const QString& text) override;
    std::optional<QString> openFileName(const QString& filter, int filterIndex, const QString& fileName) override;
    std::optional<QString> saveFileName(const QString& filter, int filterIndex, const QString& fileName) override;
    std::optional<QString> chooseFolder(const QString& caption, const QString& folder) override;
    std::optional<QFont> chooseFont(const QFont& initial) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;
    StillRunningAnswer askStillRunning(const QString& text) override;
    bool askYesNo(const QString& text) override;
    SettingsInUseAnswer askSettingsInUse(const QString& text) override;

private:
    std::optional<QString> runFileDialog(bool save, const QString& filter, int filterIndex, const QString& fileName);
    QWidget* m_parent = nullptr;
};

}  // namespace q7
