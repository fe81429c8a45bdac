#include "support/CapturePeer.h"

#include "platform/CaptureProgramLink.h"

#include <QLocalServer>
#include <QLocalSocket>

CapturePeer::CapturePeer(QObject *parent) : QObject(parent), server_(new QLocalServer(this))
{
    connect(server_, &QLocalServer::newConnection, this, &CapturePeer::onNewConnection);
}

bool CapturePeer::listen()
{
    QLocalServer::removeServer(CaptureWindowServerName());
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    return server_->listen(CaptureWindowServerName());
}

void CapturePeer::onNewConnection()
{
    while (QLocalSocket *socket = server_->nextPendingConnection()) {
        pending_.insert(socket, socket->readAll());
        connect(socket, &QLocalSocket::readyRead, this,
                [this, socket] { pending_[socket] += socket->readAll(); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] { finish(socket); });
        if (socket->state() != QLocalSocket::ConnectedState)
            finish(socket);
    }
}

void CapturePeer::finish(QLocalSocket *socket)
{
    if (!pending_.contains(socket))
        return;
    connections_.append(pending_.take(socket) + socket->readAll());
    socket->deleteLater();
}
