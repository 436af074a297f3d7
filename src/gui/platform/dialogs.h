#pragma once
// Every modal dialog the tool shows goes through this seam, so tests answer them in advance and
// never block. Operator errors use showMessage (one OK button, fixed English text); input/output
// failures use showError with the failure's own text.

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

namespace q7 {

class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual void showMessage(const QString& text) = 0;
    virtual void showError(const QString& text) = 0;

    // filter is "Name|pattern|Name|pattern..."; filterIndex counts from 1. The chosen path is
    // returned as chosen: no extension is added and an existing file is not questioned.
    virtual std::optional<QString> openFileName(const QString& filter, int filterIndex, const QString& fileName) = 0;
    virtual std::optional<QString> saveFileName(const QString& filter, int filterIndex, const QString& fileName) = 0;

    // A folder chooser that starts in `folder`.
    virtual std::optional<QString> chooseFolder(const QString& caption, const QString& folder) = 0;

    virtual std::optional<QFont> chooseFont(const QFont& initial) = 0;
    virtual std::optional<QColor> chooseColor(const QColor& initial) = 0;

    // Closing while commands still run: `text` with the buttons "Wait" (close once they have
    // finished) and "Stop them". Dismissing the box waits: nothing is stopped unasked.
    enum class StillRunningAnswer { Wait, Stop };
    virtual StillRunningAnswer askStillRunning(const QString& text) = 0;

    // A yes/no question; true for "Yes". Dismissing the box answers "No".
    virtual bool askYesNo(const QString& text) = 0;

    // Start-up in a folder whose settings another running window holds: `text` with the buttons
    // "Bring it forward", "Open read-only" and "Quit". Dismissing the box quits.
    enum class SettingsInUseAnswer { BringForward, ReadOnly, Quit };
    virtual SettingsInUseAnswer askSettingsInUse(const QString& text) = 0;
};

// Turns "Config|*.conf|All|*.*" into Qt's name filters ("Config (*.conf)", "All (*.*)").
QStringList nameFiltersFromPairs(const QString& filter);

}  // namespace q7
