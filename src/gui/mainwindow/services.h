#pragma once
// What the main window is handed from outside: the platform seams, and the folder it starts in.

#include <QString>

namespace q7 {

class AddressResolver;
class Dialogs;
class EchoProbe;
class ProcessStarter;
class SystemInfo;
class Viewer;

struct Services {
    Dialogs& dialogs;
    const SystemInfo& system;
    ProcessStarter& processes;
    AddressResolver& resolver;  // the network search; both outlive the window
    EchoProbe& echo;
    Viewer& viewer;          // fetched files are shown here
    QString startDir;        // empty: the working directory when the window is created
    double waitScale = 1.0;  // scales every paced wait (tests run them at 0)
    QString historyPath = {};  // the player history database; empty: no history is kept
    QString placePath = {};    // where the window's position is remembered; empty: it is not
};

}  // namespace q7
