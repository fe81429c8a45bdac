#pragma once

#include "app/IpcSocket.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QString>

// The sending end of the local channel, also used to ask whether a server answers.
class IpcClient : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(IpcClient)

public:
    // Delivered: the whole message is in the server's hands. NoServer: nobody serves the
    // name. Busy: a server is there but took no connection, or not the whole message, in time.
    enum class Delivery { Delivered, NoServer, Busy };
    Q_ENUM(Delivery)

    explicit IpcClient(QObject *parent = nullptr);
    ~IpcClient() override;

    // Connects and closes again, without waiting.
    bool IsServerRunning(const QString &name);
    // Sends one message on a connection of its own, closed again before returning.
    Delivery Send(const QString &message, const QString &name,
                  const QDeadlineTimer &deadline = QDeadlineTimer(IpcSocket::kTimeoutMs));

private:
    IpcSocket *socket_;
};
