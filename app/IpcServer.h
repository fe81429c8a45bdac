#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QLocalServer;
class QLocalSocket;

// The receiving end of the local channel: each connection may carry one message, which
// is delivered when it is whole and not empty. Connections are read without blocking, so
// a peer that sends too little, too much or nonsense cannot stall the program; it is cut
// off, at the latest a second after it was taken up.
class IpcServer : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(IpcServer)

public:
    // At most this many connections are read at a time and this many more wait accepted;
    // the rest wait in the system's backlog, so a flood cannot use up the descriptors.
    static constexpr int kMaxReading = 32;
    static constexpr int kMaxQueued = 30;

    explicit IpcServer(QObject *parent = nullptr);
    ~IpcServer() override;

    // Listens on the per-user address of name (LocalServerName), reachable by this user
    // only. An existing socket file under that name is left alone. Should listening ever
    // stop, the server listens again under the same name.
    bool Start(const QString &name);

signals:
    void sig_ipcMessage(const QString &message);

private slots:
    void OnConnect();

private:
    void Take(QLocalSocket *socket);
    void ReadFrom(QLocalSocket *socket);
    void Finish(QLocalSocket *socket);
    void KeepListening();

    QLocalServer *server_ = nullptr;
    QString address_;
    QTimer listenCheck_;
    int reading_ = 0;
};
