#include "support/CapturePeer.h"

#include "platform/CaptureProgramLink.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTest>

namespace {

constexpr int kRecordSize = 12;

} // namespace

CapturePeer::CapturePeer(QObject *parent) : QObject(parent), server_(new QLocalServer(this))
{
    connect(server_, &QLocalServer::newConnection, this, &CapturePeer::onNewConnection);
}

CapturePeer::~CapturePeer()
{
    close();
}

bool CapturePeer::listen()
{
    QLocalServer::removeServer(CaptureWindowServerName());
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    return server_->listen(CaptureWindowServerName());
}

void CapturePeer::close()
{
    server_->close();
}

bool CapturePeer::isListening() const
{
    return server_->isListening();
}

void CapturePeer::clear()
{
    messages_.clear();
    connections_.clear();
}

bool CapturePeer::waitForMessages(int count, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (messages_.size() < count && !deadline.hasExpired())
        QTest::qWait(5);
    return messages_.size() >= count;
}

void CapturePeer::onNewConnection()
{
    while (QLocalSocket *socket = server_->nextPendingConnection()) {
        pending_.insert(socket, {});
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] { finish(socket); });
        readFrom(socket);
        if (socket->state() != QLocalSocket::ConnectedState)
            finish(socket);
    }
}

// Whole records are reported as soon as they arrive; the raw bytes wait for the close.
void CapturePeer::readFrom(QLocalSocket *socket)
{
    const auto found = pending_.find(socket);
    if (found == pending_.end())
        return;
    const int parsed = found->size() / kRecordSize * kRecordSize;
    *found += socket->readAll();
    for (int at = parsed; at + kRecordSize <= found->size(); at += kRecordSize) {
        QDataStream stream(found->mid(at, kRecordSize));
        stream.setVersion(QDataStream::Qt_5_9);
        Message message;
        stream >> message.message >> message.wParam >> message.lParam;
        messages_.append(message);
        emit messageReceived(message);
    }
}

void CapturePeer::finish(QLocalSocket *socket)
{
    if (!pending_.contains(socket))
        return;
    readFrom(socket);
    connections_.append(pending_.take(socket));
    socket->deleteLater();
}

char *toString(const CapturePeer::Message &message)
{
    return QTest::toString(QStringLiteral("%1 [%2] [%3]")
                                   .arg(message.message)
                                   .arg(message.wParam)
                                   .arg(message.lParam));
}
