#include "app/IpcSocket.h"

#include "platform/LocalServerName.h"
#include "platform/Trace.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QtEndian>

namespace {
constexpr quint32 kNullString = 0xFFFFFFFFu;
} // namespace

IpcSocket::IpcSocket(QObject *parent) : QLocalSocket(parent)
{
    connect(this, &QLocalSocket::errorOccurred, this, &IpcSocket::OnSocketError);
}

IpcSocket::~IpcSocket()
{
    close();
}

IpcSocket::Reach IpcSocket::ConnectToServer(const QString &name)
{
    abort();
    lastError_ = UnknownSocketError;
    connectToServer(LocalServerName(name), QIODevice::ReadWrite);
    if (state() == ConnectedState)
        return Reach::Connected;
    // A full backlog leaves the socket connecting, and Qt's wait for it spins; the caller
    // tries again a little later instead.
    abort();
    return lastError_ == ServerNotFoundError || lastError_ == ConnectionRefusedError
            ? Reach::NobodyThere
            : Reach::Busy;
}

QByteArray IpcSocket::EncodeMessage(const QString &message)
{
    QByteArray buffer;
    QDataStream stream(&buffer, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_5_9);
    stream << qint16(0) << message;
    // The count keeps only its low 16 bits, as the receiver expects.
    stream.device()->seek(0);
    stream << qint16(quint16(buffer.size() - 2));
    return buffer;
}

bool IpcSocket::WriteMessage(const QString &message, const QDeadlineTimer &deadline)
{
    const QByteArray frame = EncodeMessage(message);
    if (write(frame) != frame.size())
        return false;
    // Each wait hands the system as much as the peer has room for; a long line takes several.
    while (bytesToWrite() > 0) {
        if (deadline.hasExpired() || !waitForBytesWritten(int(deadline.remainingTime())))
            return false;
    }
    return true;
}

IpcSocket::Frame IpcSocket::DecodeMessage(const QByteArray &data, QString &message, int *frameSize)
{
    message.clear();
    if (data.size() < kHeaderBytes)
        return Frame::Incomplete;
    const auto *bytes = reinterpret_cast<const uchar *>(data.constData());
    const quint16 count = qFromBigEndian<quint16>(bytes);
    const quint32 textBytes = qFromBigEndian<quint32>(bytes + 2);
    const quint32 carried = textBytes == kNullString ? 0 : textBytes;
    if (carried > kMaxTextBytes || carried % 2 != 0 || count != quint16(4 + carried))
        return Frame::Invalid;
    const int size = kHeaderBytes + int(carried);
    if (data.size() < size)
        return Frame::Incomplete;
    QDataStream stream(data.left(size));
    stream.setVersion(QDataStream::Qt_5_9);
    qint16 ignored;
    stream >> ignored >> message;
    if (stream.status() != QDataStream::Ok) {
        message.clear();
        return Frame::Invalid;
    }
    if (frameSize)
        *frameSize = size;
    return Frame::Complete;
}

bool IpcSocket::ReadMessage(QLocalSocket &socket, QString &message)
{
    const QDeadlineTimer deadline(kTimeoutMs);
    for (;;) {
        int frameSize = 0;
        const Frame frame = DecodeMessage(socket.peek(kMaxFrameBytes), message, &frameSize);
        if (frame == Frame::Complete) {
            socket.read(frameSize);
            return true;
        }
        if (frame == Frame::Invalid || deadline.hasExpired()
            || !socket.waitForReadyRead(int(deadline.remainingTime())))
            return false;
    }
}

void IpcSocket::OnSocketError(QLocalSocket::LocalSocketError socketError)
{
    lastError_ = socketError;
    switch (socketError) {
    case QLocalSocket::ConnectionRefusedError:
        Trace(1, QStringLiteral("OnSocketError"), "ConnectionRefusedError");
        break;
    case QLocalSocket::PeerClosedError:
        Trace(1, QStringLiteral("OnSocketError"), "PeerClosedError");
        break;
    case QLocalSocket::ServerNotFoundError:
        Trace(1, QStringLiteral("OnSocketError"), "ServerNotFoundError");
        break;
    default:
        Trace(1, QStringLiteral("OnSocketError"), "%ls", qUtf16Printable(errorString()));
        break;
    }
}
