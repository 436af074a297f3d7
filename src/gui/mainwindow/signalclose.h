#pragma once
// SIGTERM, SIGHUP and SIGINT close the main window the ordinary way, so shut-down saves the settings.
// Commands still running are stopped without asking: nobody may be there to answer.
// Installed once start-up has finished: until then the signals end the program at once, so a
// half-built window never writes over the stored settings.

namespace q7 {
class MainWindow;
void closeOnTerminationSignals(MainWindow* window);
}
