#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// The receiving end of the local channel: each connection may carry one message, which
// is delivered when it is whole and not empty. Connections are read without blocking, so
// a peer that sends too little, too much or nonsense cannot stall the program; it is cut
// off, at the latest a second after it connected.
class IpcServer : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(IpcServer)

public:
    explicit IpcServer(QObject *parent = nullptr);
    ~IpcServer() override;

    // Listens on the per-user address of name (LocalServerName), reachable by this user
    // only. An existing socket file under that name is left alone.
    bool Start(const QString &name);

signals:
    void sig_ipcMessage(const QString &message);

private slots:
    void OnConnect();

private:
    void ReadFrom(QLocalSocket *socket);

    QLocalServer *server_ = nullptr;
};
