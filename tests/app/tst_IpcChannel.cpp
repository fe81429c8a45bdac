#include "app/IpcClient.h"
#include "app/IpcServer.h"
#include "app/IpcSocket.h"
#include "platform/LocalServerName.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>
#include <QtEndian>

namespace {
using Chunks = QList<QByteArray>;

QByteArray header(quint16 count, quint32 length)
{
    QByteArray bytes(6, '\0');
    qToBigEndian(count, bytes.data());
    qToBigEndian(length, bytes.data() + 2);
    return bytes;
}

// A frame built by hand from the layout: count, byte length, UTF-16BE text.
QByteArray frame(const QString &text, int countAdjust = 0)
{
    QByteArray body(text.size() * 2, '\0');
    qToBigEndian<quint16>(text.utf16(), text.size(), body.data());
    return header(quint16(4 + body.size() + countAdjust), quint32(body.size())) + body;
}

QString uniqueName()
{
    static int counter = 0;
    return QStringLiteral("ipc-test-%1").arg(++counter);
}
} // namespace

class IpcChannelTest : public QObject
{
    Q_OBJECT

private slots:
    void wireFormat_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("expected");
        const QString text =
                QStringLiteral("\"/usr/bin/KestrelEditor\" \"/path\" \"캡처\U0001F600\"");
        QTest::newRow("text") << text << frame(text);
        QTest::newRow("empty") << QStringLiteral("") << header(4, 0);
        QTest::newRow("null") << QString() << header(4, 0xFFFFFFFF);
        // 4 + 2 * 40000 = 80004 does not fit: only its low 16 bits travel.
        const QString longText(40000, QLatin1Char('a'));
        QTest::newRow("count truncated") << longText << frame(longText);
    }

    void wireFormat()
    {
        QFETCH(QString, message);
        QFETCH(QByteArray, expected);
        const QString name = uniqueName();
        QLocalServer raw;
        QVERIFY(raw.listen(LocalServerName(name)));
        IpcClient client;
        QCOMPARE(client.Send(message, name), IpcClient::Delivery::Delivered);
        QVERIFY(raw.waitForNewConnection(1000));
        QLocalSocket *peer = raw.nextPendingConnection();
        QTRY_VERIFY(peer->bytesAvailable() >= expected.size());
        QCOMPARE(peer->bytesAvailable(), 6 + 2 * message.size());
        QCOMPARE(peer->peek(expected.size()).toHex(), expected.toHex());
        QString decoded = QStringLiteral("unchanged");
        QVERIFY(IpcSocket::ReadMessage(*peer, decoded));
        QCOMPARE(decoded, message);
    }

    void serverDelivery_data()
    {
        QTest::addColumn<Chunks>("chunks");
        QTest::addColumn<QStringList>("delivered");
        QTest::addColumn<bool>("heldUntilTimeout");
        const QString text = QStringLiteral("\"prog\" \"/path\" \"a.png\"");
        const QByteArray whole = frame(text);
        const QStringList none;
        QTest::newRow("whole") << Chunks {whole} << QStringList {text} << false;
        QTest::newRow("in three pieces") << Chunks {whole.left(1), whole.mid(1, 7), whole.mid(8)}
                                         << QStringList {text} << false;
        QTest::newRow("two messages, first only")
                << Chunks {frame("one") + frame("two")} << QStringList {"one"} << false;
        QTest::newRow("empty text") << Chunks {frame("")} << none << false;
        QTest::newRow("null text") << Chunks {header(4, 0xFFFFFFFF)} << none << false;
        QTest::newRow("nothing sent") << Chunks() << none << true;
        QTest::newRow("text cut short") << Chunks {whole.left(whole.size() - 3)} << none << true;
        QTest::newRow("count too large") << Chunks {frame(text, 2)} << none << false;
        QTest::newRow("count too small") << Chunks {frame(text, -2)} << none << false;
        QTest::newRow("odd length") << Chunks {header(7, 3) + "abc"} << none << false;
        QTest::newRow("length claims 2 GiB")
                << Chunks {header(quint16(4 + 0x7FFFFFF0), 0x7FFFFFF0) + "xx"} << none << false;
        QTest::newRow("http request")
                << Chunks {"GET / HTTP/1.1\r\nHost: x\r\n\r\n"} << none << false;
    }

    void serverDelivery()
    {
        QFETCH(Chunks, chunks);
        QFETCH(bool, heldUntilTimeout);
        const QString name = uniqueName();
        IpcServer server;
        QVERIFY(server.Start(name));
        QSignalSpy messages(&server, &IpcServer::sig_ipcMessage);
        QLocalSocket peer;
        peer.connectToServer(LocalServerName(name));
        QVERIFY(peer.waitForConnected(1000));
        QElapsedTimer connected;
        connected.start();
        for (const QByteArray &chunk : chunks) {
            peer.write(chunk);
            peer.flush();
            QTest::qWait(30);
        }
        QTRY_COMPARE_WITH_TIMEOUT(peer.state(), QLocalSocket::UnconnectedState, 3000);
        QVERIFY2((connected.elapsed() >= 900) == heldUntilTimeout,
                 qPrintable(QString::number(connected.elapsed())));
        QStringList received;
        for (const QList<QVariant> &arguments : qAsConst(messages))
            received << arguments.at(0).toString();
        QTEST(received, "delivered");
    }

    void silentPeerDoesNotHoldOthersUp()
    {
        const QString name = uniqueName();
        IpcServer server;
        QVERIFY(server.Start(name));
        QSignalSpy messages(&server, &IpcServer::sig_ipcMessage);
        QLocalSocket silent;
        silent.connectToServer(LocalServerName(name));
        QVERIFY(silent.waitForConnected(1000));
        QTest::qWait(50);
        QElapsedTimer sent;
        sent.start();
        IpcClient client;
        QCOMPARE(client.Send(QStringLiteral("later"), name), IpcClient::Delivery::Delivered);
        QTRY_COMPARE_WITH_TIMEOUT(messages.count(), 1, 3000);
        QVERIFY(sent.elapsed() < 900);
        QCOMPARE(silent.state(), QLocalSocket::ConnectedState);
    }

    // Also: a second server never takes the name from a running one; the socket is private.
    void probeDeliversNothing()
    {
        const QString name = uniqueName();
        IpcServer server;
        QVERIFY(server.Start(name));
        QVERIFY(!IpcServer().Start(name));
        QVERIFY(!IpcServer().Start(QString()));
        QCOMPARE(IpcClient().Send(QStringLiteral("lost"), QStringLiteral("nobody-listens")),
                 IpcClient::Delivery::NoServer);
        QSignalSpy messages(&server, &IpcServer::sig_ipcMessage);
        QVERIFY(IpcClient().IsServerRunning(name));
        QTest::qWait(1200);
        QCOMPARE(messages.count(), 0);
        QCOMPARE(IpcClient().Send(QStringLiteral("after the probe"), name),
                 IpcClient::Delivery::Delivered);
        QTRY_COMPARE(messages.count(), 1);
        QCOMPARE(messages.first().first().toString(), QStringLiteral("after the probe"));
        const QFileInfo socketFile(LocalServerName(name));
        QCOMPARE(socketFile.permissions() & QFileDevice::Permissions(0x0066),
                 QFileDevice::Permissions());
    }
};

QTEST_MAIN(IpcChannelTest)
#include "tst_IpcChannel.moc"
