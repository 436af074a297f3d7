#include "platform/process.h"

#include <QProcess>

namespace q7 {

bool QtProcessStarter::startDetached(const QString& program, const QStringList& arguments, const QString& workingDir)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(workingDir);
    process.setStandardInputFile(QProcess::nullDevice());
    return process.startDetached();
}

}  // namespace q7
