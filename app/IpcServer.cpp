#include "app/IpcServer.h"

#include "app/IpcSocket.h"
#include "platform/LocalServerName.h"

#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

IpcServer::IpcServer(QObject *parent) : QObject(parent) { }

IpcServer::~IpcServer() = default;

bool IpcServer::Start(const QString &name)
{
    if (name.isEmpty())
        return false;
    const QString address = LocalServerName(name);
#ifdef Q_OS_UNIX
    // With access options Qt binds elsewhere and renames the socket into place, which would
    // silently take the name from a server that uses it.
    if (QFileInfo::exists(address))
        return false;
#endif
    delete server_;
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(address))
        return false;
    connect(server_, &QLocalServer::newConnection, this, &IpcServer::OnConnect);
    return true;
}

void IpcServer::OnConnect()
{
    QLocalSocket *socket = server_->nextPendingConnection();
    if (!socket)
        return;
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    // A peer that has not sent a whole message within the time limit is dropped.
    auto *deadline = new QTimer(socket);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, socket, &QLocalSocket::disconnectFromServer);
    deadline->start(IpcSocket::kTimeoutMs);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadFrom(socket); });
    ReadFrom(socket);
}

void IpcServer::ReadFrom(QLocalSocket *socket)
{
    QString message;
    const IpcSocket::Frame frame =
            IpcSocket::DecodeMessage(socket->peek(IpcSocket::kMaxFrameBytes), message);
    if (frame == IpcSocket::Frame::Incomplete)
        return;
    // One message per connection: whatever the peer sends after it is never read.
    disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
    socket->disconnectFromServer();
    if (frame == IpcSocket::Frame::Complete && !message.isEmpty())
        emit sig_ipcMessage(message);
}
