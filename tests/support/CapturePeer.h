#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QVector>

class QLocalServer;
class QLocalSocket;

// Stands in for the capture program's main window: listens where the editor posts its
// window messages and records each message with its wParam and lParam, and the raw bytes of
// every connection.
class CapturePeer : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(CapturePeer)

public:
    struct Message
    {
        quint32 message = 0;
        qint32 wParam = 0;
        qint32 lParam = 0;

        bool operator==(const Message &o) const
        {
            return message == o.message && wParam == o.wParam && lParam == o.lParam;
        }
    };

    explicit CapturePeer(QObject *parent = nullptr);
    ~CapturePeer() override;

    // Starts listening (a stale socket file is removed first); false when that fails.
    bool listen();
    void close();
    bool isListening() const;

    QVector<Message> messages() const { return messages_; }
    // The bytes each closed connection carried, in the order they closed.
    QList<QByteArray> connections() const { return connections_; }
    void clear();

    // Runs the event loop until at least count messages arrived or the timeout passed.
    bool waitForMessages(int count, int timeoutMs = 5000);

signals:
    void messageReceived(const CapturePeer::Message &message);

private:
    void onNewConnection();
    void readFrom(QLocalSocket *socket);
    void finish(QLocalSocket *socket);

    QLocalServer *const server_;
    QHash<QLocalSocket *, QByteArray> pending_; // bytes of each open connection
    QVector<Message> messages_;
    QList<QByteArray> connections_;
};

char *toString(const CapturePeer::Message &message);
