#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QString>

// The client end of the local channel, and the one place that knows its framing: a signed
// 16-bit count of the bytes that follow, then the text as QDataStream writes a QString
// (32-bit byte length, UTF-16 code units), all big-endian. One message per connection.
class IpcSocket : public QLocalSocket
{
    Q_OBJECT
    Q_DISABLE_COPY(IpcSocket)

public:
    enum class Frame { Incomplete, Complete, Invalid };
    // What a connection attempt found: a server that took the connection, no server at all
    // (no socket file, or nobody listening on it), or a server that cannot take it now.
    enum class Reach { Connected, NobodyThere, Busy };

    // The longest text a frame may carry, in bytes; longer announcements are refused
    // instead of waited for.
    static constexpr quint32 kMaxTextBytes = 1u << 20;
    static constexpr int kHeaderBytes = 6; // 16-bit count + 32-bit text length
    // Peeking this much sees any frame whole.
    static constexpr qint64 kMaxFrameBytes = kHeaderBytes + qint64(kMaxTextBytes);
    static constexpr int kTimeoutMs = 1000;

    explicit IpcSocket(QObject *parent = nullptr);
    ~IpcSocket() override;

    // Never waits: a server whose backlog is full counts as busy.
    Reach ConnectToServer(const QString &name);
    // Writes the whole frame; false when the peer went away or the deadline passed first.
    bool WriteMessage(const QString &message, const QDeadlineTimer &deadline);
    // Blocks up to one second for a whole frame on any local socket.
    static bool ReadMessage(QLocalSocket &socket, QString &message);

    static QByteArray EncodeMessage(const QString &message);
    // Decodes the frame at the start of data. A frame whose count disagrees with its text
    // length, whose length is odd or too large, is Invalid; bytes after it are ignored.
    // frameSize receives the bytes the complete frame occupies.
    static Frame DecodeMessage(const QByteArray &data, QString &message, int *frameSize = nullptr);

private slots:
    void OnSocketError(QLocalSocket::LocalSocketError socketError);

private:
    QLocalSocket::LocalSocketError lastError_ = UnknownSocketError;
};
