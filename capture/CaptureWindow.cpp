#include "capture/CaptureWindow.h"

#include "platform/CaptureProgramLink.h"
#include "platform/Trace.h"

#include <QLocalSocket>
#include <QTimer>

CaptureWindow::CaptureWindow(QObject *parent) : QObject(parent)
{
    connect(&server_, &QLocalServer::newConnection, this, &CaptureWindow::onNewConnection);
}

CaptureWindow::~CaptureWindow() = default;

bool CaptureWindow::listen(QString *error)
{
    const QString name = CaptureWindowServerName();
    // Only the holder of the lock may remove a socket file that a dead capture window left.
    lock_ = std::make_unique<QLockFile>(name + QStringLiteral(".lock"));
    lock_->setStaleLockTime(0);
    if (!lock_->tryLock(0)) {
        *error = lock_->error() == QLockFile::LockFailedError
                ? tr("Another capture program is already running in the tray.")
                : tr("Cannot lock %1.").arg(name + QStringLiteral(".lock"));
        return false;
    }
    QLocalServer::removeServer(name);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(name)) {
        *error = tr("Cannot listen at %1: %2").arg(name, server_.errorString());
        return false;
    }
    return true;
}

void CaptureWindow::onNewConnection()
{
    while (QLocalSocket *socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRecord(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(kRecordTimeoutMs, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
        readRecord(socket);
    }
}

void CaptureWindow::readRecord(QLocalSocket *socket)
{
    if (socket->bytesAvailable() < kPostedMessageBytes)
        return;
    uint message = 0;
    qint32 wParam = 0;
    qint32 lParam = 0;
    const bool decoded =
            DecodePostedMessage(socket->read(kPostedMessageBytes), &message, &wParam, &lParam);
    // One record per connection: whatever follows it is not read.
    socket->abort();
    socket->deleteLater();
    if (!decoded)
        return;
    Trace(2, QStringLiteral("CaptureWindow"), "%u [%d] [%d]", message, int(wParam), int(lParam));
    emit messagePosted(message, wParam, lParam);
}
