#pragma once
// How a second window started in a folder whose settings a running window holds asks that window
// to come forward: a local socket named after the folder (its canonical path, hashed, and the
// user), which the lock holder listens on. A name per folder needs no PID kept in the lock file and
// cannot reach an unrelated process that took over a stale PID; only the same user can connect.

#include <QObject>
#include <QString>

class QLocalServer;

namespace q7 {

class ForwardChannel : public QObject {
    Q_OBJECT
public:
    explicit ForwardChannel(QObject* parent = nullptr);

    // Listens for requests to the window of `folder`; call only while holding its settings lock, so
    // a socket left by a window that crashed may be replaced. False (with `why`) when it cannot.
    bool listen(const QString& folder, QString* why = nullptr);

    // Asks the window of `folder` to come forward; false (with `why`) when none answers.
    static bool requestForward(const QString& folder, QString* why = nullptr);

    static QString serverName(const QString& folder);

signals:
    void forwardRequested();

private:
    QLocalServer* m_server = nullptr;
};

}  // namespace q7
