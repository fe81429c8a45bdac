#include "app/IpcServer.h"

#include "app/IpcSocket.h"
#include "platform/LocalServerName.h"
#include "platform/Trace.h"

#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

namespace {
// Starts that find nobody listening keep trying for seconds, so a short check suffices.
constexpr int kListenCheckMs = 500;
} // namespace

IpcServer::IpcServer(QObject *parent) : QObject(parent)
{
    connect(&listenCheck_, &QTimer::timeout, this, &IpcServer::KeepListening);
}

IpcServer::~IpcServer() = default;

bool IpcServer::Start(const QString &name)
{
    if (name.isEmpty())
        return false;
    address_ = LocalServerName(name);
#ifdef Q_OS_UNIX
    // With access options Qt binds elsewhere and renames the socket into place, which would
    // silently take the name from a server that uses it.
    if (QFileInfo::exists(address_))
        return false;
#endif
    delete server_;
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    server_->setMaxPendingConnections(kMaxQueued);
    if (!server_->listen(address_))
        return false;
    connect(server_, &QLocalServer::newConnection, this, &IpcServer::OnConnect);
    listenCheck_.start(kListenCheckMs);
    return true;
}

void IpcServer::KeepListening()
{
#ifdef Q_OS_UNIX
    // When accept fails (no descriptor left, say), Qt closes the listening socket and removes
    // its file without a word; only the missing file tells.
    if (QFileInfo::exists(address_))
        return;
#else
    if (server_->isListening())
        return;
#endif
    // Closing drops the connections Qt has accepted and nobody has taken yet.
    while (QLocalSocket *socket = server_->nextPendingConnection())
        Take(socket);
    server_->close();
    const bool listening = server_->listen(address_);
    Trace(1, QStringLiteral("KeepListening"), "%s", listening ? "listening again" : "failed");
}

void IpcServer::OnConnect()
{
    while (reading_ < kMaxReading) {
        QLocalSocket *socket = server_->nextPendingConnection();
        if (!socket)
            return;
        Take(socket);
    }
}

void IpcServer::Take(QLocalSocket *socket)
{
    ++reading_;
    connect(socket, &QObject::destroyed, this, [this] {
        --reading_;
        QMetaObject::invokeMethod(this, &IpcServer::OnConnect, Qt::QueuedConnection);
    });
    // A peer that has not sent a whole message within the time limit is dropped.
    auto *deadline = new QTimer(socket);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, this, [this, socket] { Finish(socket); });
    deadline->start(IpcSocket::kTimeoutMs);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadFrom(socket); });
    connect(socket, &QLocalSocket::disconnected, this, [this, socket] { ReadFrom(socket); });
    ReadFrom(socket);
}

void IpcServer::ReadFrom(QLocalSocket *socket)
{
    QString message;
    const IpcSocket::Frame frame =
            IpcSocket::DecodeMessage(socket->peek(IpcSocket::kMaxFrameBytes), message);
    // A peer may leave right after writing: what it sent is still read, but no more comes.
    if (frame == IpcSocket::Frame::Incomplete && socket->state() == QLocalSocket::ConnectedState)
        return;
    Finish(socket);
    if (frame == IpcSocket::Frame::Complete && !message.isEmpty())
        emit sig_ipcMessage(message);
}

void IpcServer::Finish(QLocalSocket *socket)
{
    // One message per connection: whatever the peer sends after it is never read.
    disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
    disconnect(socket, &QLocalSocket::disconnected, this, nullptr);
    socket->abort();
    socket->deleteLater();
}
