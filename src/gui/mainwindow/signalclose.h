#pragma once
// SIGTERM, SIGHUP and SIGINT close the main window the ordinary way, so shut-down saves the settings.
// Installed once start-up has finished: until then the signals end the program at once, so a
// half-built window never writes over the stored settings.

class QWidget;

namespace q7 {
void closeOnTerminationSignals(QWidget* window);
}
