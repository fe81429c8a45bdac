#pragma once

#include <QObject>
#include <QString>

class IpcSocket;

// The sending end of the local channel, also used to ask whether a server answers.
class IpcClient : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(IpcClient)

public:
    explicit IpcClient(QObject *parent = nullptr);
    ~IpcClient() override;

    // Connects (waiting up to one second) and closes again.
    bool IsServerRunning(const QString &name);
    // Sends one message; the connection stays open until the client is destroyed.
    bool Send(const QString &message, const QString &name);

private:
    IpcSocket *socket_;
};
