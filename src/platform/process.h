#pragma once
// Starts an outside program (the TFTP client) from an argument vector, never through a shell,
// and does not wait for it.

#include <QString>
#include <QStringList>

namespace q7 {

class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    // False when the program could not be started.
    virtual bool startDetached(const QString& program, const QStringList& arguments, const QString& workingDir) = 0;
};

class QtProcessStarter final : public ProcessStarter {
public:
    bool startDetached(const QString& program, const QStringList& arguments, const QString& workingDir) override;
};

}  // namespace q7
