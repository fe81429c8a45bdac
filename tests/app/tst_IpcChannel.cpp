#include "app/IpcClient.h"
#include "app/IpcServer.h"
#include "app/IpcSocket.h"
#include "app/LocalServerName.h"
#include "app/Trace.h"
#include "platform/RegistrySettings.h"
#include "support/TestEnvironment.h"
#include "support/TestRegistry.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>
#include <QtEndian>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

QByteArray bigEndian16(quint16 value)
{
    QByteArray bytes(2, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray bigEndian32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

// A frame built by hand from the layout: count, byte length, UTF-16BE text.
QByteArray frame(const QString &text, int countAdjust = 0)
{
    QByteArray body;
    for (const QChar c : text)
        body += bigEndian16(c.unicode());
    return bigEndian16(quint16(4 + body.size() + countAdjust)) + bigEndian32(quint32(body.size()))
            + body;
}

// A socket file as a killed server leaves it: bound, nobody listening.
bool leaveStaleSocket(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const QByteArray encoded = QFile::encodeName(path);
    qstrncpy(address.sun_path, encoded.constData(), sizeof(address.sun_path));
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0;
    ::close(fd);
    return bound;
}

void setTraceLevel(const QVariant &level)
{
    TestEnvironment::resetRegistry();
    if (level.isValid()) {
        RegistrySettings::open(QStringLiteral("HKEY_CURRENT_USER\\Software\\Norvane\\%0\\FuncTrace")
                                       .arg(QCoreApplication::applicationName()))
                ->setValue(QStringLiteral("trace"), level);
    }
    InitTrace();
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
    void serverNameIsPerUser()
    {
        QCOMPARE(LocalServerName(QStringLiteral("KEDMutex")),
                 TestEnvironment::runtimeDir() + QStringLiteral("/KEDMutex"));
        QCOMPARE(LocalServerName(QStringLiteral("/some/path")), QStringLiteral("/some/path"));
    }

    void wireFormat_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("ascii") << QStringLiteral("\"/usr/bin/KestrelEditor\" \"/show\"")
                               << frame(QStringLiteral("\"/usr/bin/KestrelEditor\" \"/show\""));
        QTest::newRow("hangul") << QStringLiteral("/path 캡처.png")
                                << frame(QStringLiteral("/path 캡처.png"));
        QTest::newRow("surrogate pair")
                << QStringLiteral("x\U0001F600") << frame(QStringLiteral("x\U0001F600"));
        QTest::newRow("empty") << QStringLiteral("") << (bigEndian16(4) + bigEndian32(0));
        QTest::newRow("null") << QString() << (bigEndian16(4) + bigEndian32(0xFFFFFFFF));
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
        QVERIFY(client.Send(message, name));
        QVERIFY(raw.waitForNewConnection(1000));
        QLocalSocket *peer = raw.nextPendingConnection();
        QByteArray received;
        while (received.size() < expected.size() && peer->waitForReadyRead(1000))
            received += peer->readAll();
        QCOMPARE(received.size(), 6 + 2 * int(message.size()));
        QCOMPARE(received.toHex(), expected.toHex());

        QString decoded = QStringLiteral("unchanged");
        QCOMPARE(IpcSocket::DecodeMessage(received, decoded), IpcSocket::Frame::Complete);
        QCOMPARE(decoded, message);
    }

    void readMessageOnAnySocket()
    {
        const QString name = uniqueName();
        QLocalServer raw;
        QVERIFY(raw.listen(LocalServerName(name)));
        IpcClient client;
        QVERIFY(client.Send(QStringLiteral("\"a\" \"/hide\""), name));
        QVERIFY(raw.waitForNewConnection(1000));
        QString message;
        QVERIFY(IpcSocket::ReadMessage(*raw.nextPendingConnection(), message));
        QCOMPARE(message, QStringLiteral("\"a\" \"/hide\""));
    }

    void serverDelivery_data()
    {
        QTest::addColumn<QList<QByteArray>>("chunks");
        QTest::addColumn<QStringList>("delivered");
        QTest::addColumn<bool>("heldUntilTimeout");

        const QString text = QStringLiteral("\"prog\" \"/path\" \"a.png\"");
        QTest::newRow("whole message")
                << QList<QByteArray> {frame(text)} << QStringList {text} << false;
        const QByteArray whole = frame(text);
        QTest::newRow("message in three pieces")
                << QList<QByteArray> {whole.left(1), whole.mid(1, 7), whole.mid(8)}
                << QStringList {text} << false;
        QTest::newRow("two messages, first only")
                << QList<QByteArray> {frame(QStringLiteral("one")) + frame(QStringLiteral("two"))}
                << QStringList {QStringLiteral("one")} << false;
        QTest::newRow("trailing garbage ignored")
                << QList<QByteArray> {frame(QStringLiteral("one")) + QByteArray("\xff\x00zz", 4)}
                << QStringList {QStringLiteral("one")} << false;
        QTest::newRow("empty text")
                << QList<QByteArray> {frame(QString())} << QStringList() << false;
        QTest::newRow("null text") << QList<QByteArray> {bigEndian16(4) + bigEndian32(0xFFFFFFFF)}
                                   << QStringList() << false;
        QTest::newRow("nothing sent") << QList<QByteArray>() << QStringList() << true;
        QTest::newRow("header cut short")
                << QList<QByteArray> {QByteArray("\x00\x0a\x00", 3)} << QStringList() << true;
        QTest::newRow("text cut short")
                << QList<QByteArray> {whole.left(whole.size() - 3)} << QStringList() << true;
        QTest::newRow("count larger than frame")
                << QList<QByteArray> {frame(text, 2)} << QStringList() << false;
        QTest::newRow("count smaller than frame")
                << QList<QByteArray> {frame(text, -2)} << QStringList() << false;
        QTest::newRow("odd text length")
                << QList<QByteArray> {bigEndian16(7) + bigEndian32(3) + QByteArray("abc")}
                << QStringList() << false;
        QTest::newRow("length claims 2 GiB")
                << QList<QByteArray> {bigEndian16(quint16(4 + 0x7FFFFFF0)) + bigEndian32(0x7FFFFFF0)
                                      + QByteArray("\x00x", 2)}
                << QStringList() << false;
        QTest::newRow("http request")
                << QList<QByteArray> {QByteArray("GET / HTTP/1.1\r\nHost: x\r\n\r\n")}
                << QStringList() << false;
    }

    void serverDelivery()
    {
        QFETCH(QList<QByteArray>, chunks);
        QFETCH(QStringList, delivered);
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
        const qint64 heldFor = connected.elapsed();
        if (heldUntilTimeout)
            QVERIFY2(heldFor >= 900, qPrintable(QString::number(heldFor)));
        else
            QVERIFY2(heldFor < 900, qPrintable(QString::number(heldFor)));

        QStringList received;
        for (const QList<QVariant> &arguments : qAsConst(messages))
            received << arguments.at(0).toString();
        QCOMPARE(received, delivered);
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
        QVERIFY(client.Send(QStringLiteral("later"), name));
        QTRY_COMPARE_WITH_TIMEOUT(messages.count(), 1, 3000);
        QVERIFY(sent.elapsed() < 900);
        QCOMPARE(silent.state(), QLocalSocket::ConnectedState);
    }

    void probeDeliversNothing()
    {
        const QString name = uniqueName();
        IpcServer server;
        QVERIFY(server.Start(name));
        QSignalSpy messages(&server, &IpcServer::sig_ipcMessage);
        IpcClient prober;
        QVERIFY(prober.IsServerRunning(name));
        QTest::qWait(1200);
        QCOMPARE(messages.count(), 0);

        IpcClient sender;
        QVERIFY(sender.Send(QStringLiteral("after the probe"), name));
        QTRY_COMPARE(messages.count(), 1);
        QCOMPARE(messages.first().first().toString(), QStringLiteral("after the probe"));
    }

    void noServer()
    {
        IpcClient client;
        QVERIFY(!client.IsServerRunning(QStringLiteral("nobody-listens")));
        QVERIFY(!client.Send(QStringLiteral("lost"), QStringLiteral("nobody-listens")));
    }

    void socketErrorsAreTraced_data()
    {
        QTest::addColumn<bool>("staleFile");
        QTest::addColumn<QString>("entry");
        QTest::newRow("no server") << false << "ServerNotFoundError";
        QTest::newRow("stale socket file") << true << "ConnectionRefusedError";
    }

    void socketErrorsAreTraced()
    {
        QFETCH(bool, staleFile);
        QFETCH(QString, entry);
        const QString name = uniqueName();
        if (staleFile)
            QVERIFY(leaveStaleSocket(LocalServerName(name)));
        QFile::remove(TraceLogPath());
        setTraceLevel(1);
        IpcClient client;
        const bool running = client.IsServerRunning(name);
        setTraceLevel(QVariant());
        QVERIFY(!running);
        QFile log(TraceLogPath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(log.readAll()).endsWith(" OnSocketError : " + entry + "\r\n"));
    }

    void startRules()
    {
        IpcServer unnamed;
        QVERIFY(!unnamed.Start(QString()));

        const QString name = uniqueName();
        IpcServer first;
        QVERIFY(first.Start(name));
        // Listening never takes a name away from a server that uses it.
        IpcServer second;
        QVERIFY(!second.Start(name));
        IpcClient client;
        QSignalSpy messages(&first, &IpcServer::sig_ipcMessage);
        QVERIFY(client.Send(QStringLiteral("still first"), name));
        QTRY_COMPARE(messages.count(), 1);
    }

    void socketIsPrivate()
    {
        const QString name = uniqueName();
        IpcServer server;
        QVERIFY(server.Start(name));
        const QFileInfo socketFile(LocalServerName(name));
        QVERIFY(socketFile.exists());
        const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup
                | QFileDevice::ReadOther | QFileDevice::WriteOther;
        QCOMPARE(socketFile.permissions() & others, QFileDevice::Permissions());
    }
};

KESTREL_TEST(IpcChannelTest)
#include "tst_IpcChannel.moc"
