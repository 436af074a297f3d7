#include "gui/mainwindow/forwardchannel.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <unistd.h>

namespace q7 {
namespace {

constexpr char kRequest[] = "forward\n";
constexpr int kPatienceMs = 1000;

}  // namespace

ForwardChannel::ForwardChannel(QObject* parent) : QObject(parent) {}

QString ForwardChannel::serverName(const QString& folder)
{
    const QFileInfo info(folder);
    const QString path = info.canonicalFilePath().isEmpty() ? info.absoluteFilePath() : info.canonicalFilePath();
    const QByteArray hash = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex().left(24);
    // In the temporary folder: a start folder's path may be too long for a socket name.
    return QStringLiteral("q7-config-tool-%1-%2").arg(::getuid()).arg(QLatin1String(hash));
}

bool ForwardChannel::listen(const QString& folder, QString* why)
{
    delete m_server;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    const QString name = serverName(folder);
    bool listening = m_server->listen(name);
    if (!listening && m_server->serverError() == QAbstractSocket::AddressInUseError) {
        QLocalServer::removeServer(name);  // left by a window that ended without closing it
        listening = m_server->listen(name);
    }
    if (!listening) {
        if (why)
            *why = m_server->errorString();
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            auto readRequest = [this, socket] {
                if (socket->bytesAvailable() < qint64(sizeof kRequest - 1))
                    return;
                const bool forward = socket->read(sizeof kRequest - 1) == kRequest;
                socket->disconnectFromServer();
                if (forward)
                    emit forwardRequested();
            };
            connect(socket, &QLocalSocket::readyRead, this, readRequest);
            readRequest();  // the request may have come with the connection
        }
    });
    return true;
}

bool ForwardChannel::requestForward(const QString& folder, QString* why)
{
    // Blocking, but bounded and once, before this program shows anything: no event loop runs here.
    QLocalSocket socket;
    socket.connectToServer(serverName(folder));
    if (socket.waitForConnected(kPatienceMs) && socket.write(kRequest, sizeof kRequest - 1) == sizeof kRequest - 1 &&
        (socket.bytesToWrite() == 0 || socket.waitForBytesWritten(kPatienceMs))) {
        socket.disconnectFromServer();
        return true;
    }
    if (why)
        *why = socket.errorString();
    socket.abort();
    return false;
}

}  // namespace q7
