#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>

class QLocalServer;
class QLocalSocket;

// Stands in for the capture program's main window: listens where the editor posts its
// window messages and keeps the bytes of every connection, in the order they closed.
class CapturePeer : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(CapturePeer)

public:
    explicit CapturePeer(QObject *parent = nullptr);

    // Starts listening (a stale socket file is removed first); false when that fails.
    bool listen();
    QList<QByteArray> connections() const { return connections_; }

private:
    void onNewConnection();
    void finish(QLocalSocket *socket);

    QLocalServer *const server_;
    QHash<QLocalSocket *, QByteArray> pending_; // bytes of each open connection
    QList<QByteArray> connections_;
};
