#pragma once
// SIGTERM, SIGHUP and SIGINT close the main window the ordinary way, so shut-down saves the settings.

class QWidget;

namespace q7 {
void closeOnTerminationSignals(QWidget* window);
}
