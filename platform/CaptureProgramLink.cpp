#include "platform/CaptureProgramLink.h"

#include "platform/LocalServerName.h"
#include "platform/Trace.h"

#include <QByteArray>
#include <QDataStream>
#include <QLocalSocket>

namespace {

// A live server accepts a local connection at once; these bounds only matter when the
// capture program hangs with a full backlog, and the GUI must never wait on it for long.
constexpr int kConnectTimeoutMs = 50;
constexpr int kWriteTimeoutMs = 50;

bool writeAll(QLocalSocket &socket, const QByteArray &bytes)
{
    if (socket.write(bytes) != bytes.size())
        return false;
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(kWriteTimeoutMs))
            return false;
    }
    return true;
}

} // namespace

const char kCaptureWindowClass[] = "Kestrel_ScreenCaptureWnd";

QString CaptureWindowServerName()
{
    return LocalServerName(QLatin1String(kCaptureWindowClass));
}

int PostMessageToKestrel(uint message, qint32 wParam, qint32 lParam)
{
    // The window is looked up at every post, never remembered: the capture program may
    // have restarted since.
    QLocalSocket window;
    window.connectToServer(CaptureWindowServerName(), QIODevice::WriteOnly);
    if (!window.waitForConnected(kConnectTimeoutMs))
        return 0;
    Trace(2, QStringLiteral("PostMessageToKestrel"), "%d [%d] [%d]", int(message), int(wParam),
          int(lParam));
    const bool posted = writeAll(window, EncodePostedMessage(message, wParam, lParam));
    window.disconnectFromServer();
    return posted ? 1 : 0;
}

QByteArray EncodePostedMessage(uint message, qint32 wParam, qint32 lParam)
{
    QByteArray record;
    QDataStream stream(&record, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_5_9);
    stream.setByteOrder(QDataStream::BigEndian);
    stream << quint32(message) << wParam << lParam;
    return record;
}

bool DecodePostedMessage(const QByteArray &record, uint *message, qint32 *wParam, qint32 *lParam)
{
    if (record.size() < kPostedMessageBytes)
        return false;
    QDataStream stream(record);
    stream.setVersion(QDataStream::Qt_5_9);
    stream.setByteOrder(QDataStream::BigEndian);
    quint32 number = 0;
    stream >> number >> *wParam >> *lParam;
    *message = number;
    return stream.status() == QDataStream::Ok;
}
