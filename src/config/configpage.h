#pragma once
// The "Configuration" tab: firmware version label, the five settings pages and their buttons.

#include <QWidget>

namespace q7 {

class Dialogs;

class ConfigPage : public QWidget {
    Q_OBJECT
public:
    ConfigPage(Dialogs& dialogs, QWidget* parent = nullptr);

    // Brings the enabled states of every page in line with the current choices.
    void runUpdateRules();

private:
    Dialogs& m_dialogs;
};

}  // namespace q7
