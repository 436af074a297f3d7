#pragma once
// What the main window is handed from outside: the platform seams, and the folder it starts in.

#include <QString>

namespace q7 {

class Dialogs;
class ProcessStarter;
class SystemInfo;

struct Services {
    Dialogs& dialogs;
    const SystemInfo& system;
    ProcessStarter& processes;
    QString startDir;        // empty: the working directory when the window is created
    double waitScale = 1.0;  // scales every paced wait (tests run them at 0)
};

}  // namespace q7
