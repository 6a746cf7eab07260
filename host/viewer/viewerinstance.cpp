#include "host/viewer/viewerinstance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <unistd.h>

namespace {

const QByteArray kRequest = QByteArrayLiteral("show-list\n");
const QByteArray kAnswer = QByteArrayLiteral("ok\n");

} // namespace

ViewerInstance::ViewerInstance(const QString& listFile, QObject* parent)
    : QObject(parent)
{
    const QByteArray digest
        = QCryptographicHash::hash(listFile.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    m_name = QStringLiteral("Lumo_Viewer-%1-%2").arg(::getuid()).arg(QString::fromLatin1(digest));
}

ViewerInstance::~ViewerInstance() = default;

bool ViewerInstance::HandOver(int timeoutMs) const
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(kRequest);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    // The running viewer may be closing: only its answer proves it took over.
    QByteArray answer;
    while (answer.size() < kAnswer.size() && socket.waitForReadyRead(timeoutMs))
        answer += socket.readAll();
    return answer.startsWith(kAnswer);
}

bool ViewerInstance::Listen()
{
    // No socket options: with them the socket is made aside and renamed into
    // place, over a live viewer's; without them a name in use is refused.
    m_server = new QLocalServer(this);
    connect(m_server, &QLocalServer::newConnection, this, &ViewerInstance::Answer);
    if (m_server->listen(m_name))
        return true;
    // Another viewer started at the same moment may have just taken the
    // name; only a socket nobody answers on is stale (left by a viewer that
    // crashed) and may be replaced.
    QLocalSocket probe;
    probe.connectToServer(m_name);
    if (probe.waitForConnected(1000))
        return false;
    QLocalServer::removeServer(m_name);
    return m_server->listen(m_name);
}

void ViewerInstance::Answer()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                // A peer that never ends its line is not a viewer.
                if (socket->bytesAvailable() > 256)
                    socket->abort();
                return;
            }
            const QByteArray line = socket->readLine(256);
            if (line == kRequest) {
                Q_EMIT ListRequested();
                socket->write(kAnswer);
                socket->flush();
            }
            socket->disconnectFromServer();
        });
    }
}
