#include "app/IpcClient.h"

#include "app/IpcSocket.h"

IpcClient::IpcClient(QObject *parent) : QObject(parent), socket_(new IpcSocket(this)) { }

IpcClient::~IpcClient() = default;

bool IpcClient::IsServerRunning(const QString &name)
{
    const bool connected = socket_->ConnectToServer(name);
    if (connected)
        socket_->close();
    return connected;
}

bool IpcClient::Send(const QString &message, const QString &name)
{
    if (!socket_->ConnectToServer(name))
        return false;
    if (socket_->WriteMessage(message))
        return true;
    socket_->close();
    return false;
}
