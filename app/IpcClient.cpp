#include "app/IpcClient.h"

#include "app/IpcSocket.h"

IpcClient::IpcClient(QObject *parent) : QObject(parent), socket_(new IpcSocket(this)) { }

IpcClient::~IpcClient() = default;

bool IpcClient::IsServerRunning(const QString &name)
{
    const bool connected = socket_->ConnectToServer(name) == IpcSocket::Reach::Connected;
    socket_->abort();
    return connected;
}

IpcClient::Delivery IpcClient::Send(const QString &message, const QString &name,
                                    const QDeadlineTimer &deadline)
{
    switch (socket_->ConnectToServer(name)) {
    case IpcSocket::Reach::NobodyThere:
        return Delivery::NoServer;
    case IpcSocket::Reach::Busy:
        return Delivery::Busy;
    case IpcSocket::Reach::Connected:
        break;
    }
    const bool whole = socket_->WriteMessage(message, deadline);
    // Once written, the bytes wait in the system for the server even after we close.
    socket_->abort();
    return whole ? Delivery::Delivered : Delivery::Busy;
}
