#include "app/Trace.h"
#include "platform/CaptureProgramLink.h"
#include "platform/RegistrySettings.h"
#include "platform/WindowUtilities.h"
#include "support/CapturePeer.h"
#include "support/TestEnvironment.h"
#include "support/TestRegistry.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Built by a static initialiser, before main() creates the application object, as the
// service libraries' paths are.
const QString appDirFileBeforeMain = AppDirFile(QStringLiteral("QXSTS.dll"));

QString socketPath()
{
    return TestEnvironment::runtimeDir() + QStringLiteral("/Kestrel_ScreenCaptureWnd");
}

// What a capture program leaves behind when it dies: a socket file nobody listens on.
bool makeStaleSocket(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (size_t(name.size()) >= sizeof(address.sun_path))
        return false;
    qstrcpy(address.sun_path, name.constData());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound =
            fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0;
    if (fd >= 0)
        ::close(fd);
    return bound;
}

QByteArray traceLog()
{
    QFile log(TraceLogPath());
    return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
}

} // namespace

class tst_CaptureProgramLink : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void nothingPostedWithoutCaptureProgram_data();
    void nothingPostedWithoutCaptureProgram();
    void peerReceivesEveryMessage();
    void recordBytes_data();
    void recordBytes();
    void appDirFile();
};

void tst_CaptureProgramLink::init()
{
    TestEnvironment::resetRegistry();
    RegistrySettings::open(QStringLiteral("HKEY_CURRENT_USER\\Software\\Norvane\\%0\\FuncTrace")
                                   .arg(QCoreApplication::applicationName()))
            ->setValue(QStringLiteral("trace"), 2);
    InitTrace();
    QFile::remove(TraceLogPath());
    QFile::remove(socketPath());
}

void tst_CaptureProgramLink::cleanup()
{
    TestEnvironment::resetRegistry();
    InitTrace();
    QFile::remove(socketPath());
}

void tst_CaptureProgramLink::nothingPostedWithoutCaptureProgram_data()
{
    QTest::addColumn<QString>("leftBehind");
    QTest::newRow("nothing") << "";
    QTest::newRow("stale socket") << "socket";
    QTest::newRow("plain file") << "file";
}

void tst_CaptureProgramLink::nothingPostedWithoutCaptureProgram()
{
    QFETCH(QString, leftBehind);
    if (leftBehind == "socket")
        QVERIFY(makeStaleSocket(socketPath()));
    if (leftBehind == "file") {
        QFile file(socketPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    QElapsedTimer clock;
    clock.start();
    QCOMPARE(PostMessageToKestrel(CaptureMessage::NewCaptureRequested, 0, 0), 0);
    // Loose bound: only a post that waits for an answer or a time-out gets near it.
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!traceLog().contains("PostMessageToKestrel"));
}

void tst_CaptureProgramLink::peerReceivesEveryMessage()
{
    CapturePeer peer;
    QVERIFY(peer.listen());
    const QVector<CapturePeer::Message> sent {
            {CaptureMessage::PreferencesOpening, 0, 0},
            {CaptureMessage::PreferencesFinished, 1, 1},
            {CaptureMessage::PreferencesFinished, 0, 0},
            {CaptureMessage::EditorExiting, 0, 0},
            {CaptureMessage::NewCaptureRequested, 0, 0},
            {CaptureMessage::ResultWindowShown, 0, 0},
            {CaptureMessage::OnlineUpdateRequested, 0, 0},
            {CaptureMessage::HiddenToTray, 0, 0},
    };
    for (const CapturePeer::Message &message : sent)
        QVERIFY(PostMessageToKestrel(message.message, message.wParam, message.lParam) != 0);

    QVERIFY(peer.waitForMessages(sent.size()));
    QCOMPARE(peer.messages(), sent);
    // One connection per message, each carrying exactly one record.
    QTRY_COMPARE(peer.connections().size(), sent.size());
    for (const QByteArray &bytes : peer.connections())
        QCOMPARE(bytes.size(), 12);
    const QByteArray log = traceLog();
    QCOMPARE(log.count("PostMessageToKestrel : "), sent.size());
    QVERIFY(log.contains("PostMessageToKestrel : 2150 [1] [1]\r\n"));
}

void tst_CaptureProgramLink::recordBytes_data()
{
    QTest::addColumn<uint>("message");
    QTest::addColumn<int>("wParam");
    QTest::addColumn<int>("lParam");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("dialog accepted, modal") << 2150u << 1 << 1
                                            << QByteArray::fromHex("00000866"
                                                                   "00000001"
                                                                   "00000001");
    QTest::newRow("negative parameters") << 2152u << -1 << -2
                                         << QByteArray::fromHex("00000868"
                                                                "ffffffff"
                                                                "fffffffe");
    QTest::newRow("high message number") << 0x80000001u << 0x01020304 << 0
                                         << QByteArray::fromHex("80000001"
                                                                "01020304"
                                                                "00000000");
}

// Checked against a bare server at the agreed place, independent of the test peer.
void tst_CaptureProgramLink::recordBytes()
{
    QFETCH(uint, message);
    QFETCH(int, wParam);
    QFETCH(int, lParam);
    QFETCH(QByteArray, bytes);

    QCOMPARE(CaptureWindowServerName(), socketPath());
    QLocalServer server;
    QVERIFY(server.listen(socketPath()));

    QVERIFY(PostMessageToKestrel(message, wParam, lParam) != 0);

    QVERIFY(server.waitForNewConnection(5000));
    QLocalSocket *socket = server.nextPendingConnection();
    QByteArray received;
    while (socket->state() == QLocalSocket::ConnectedState && socket->waitForReadyRead(5000))
        received += socket->readAll();
    received += socket->readAll();
    QCOMPARE(received, bytes);
}

void tst_CaptureProgramLink::appDirFile()
{
    QCOMPARE(appDirFileBeforeMain, QStringLiteral("QXSTS.dll"));
    QCOMPARE(AppDirFile(QStringLiteral("readme.txt")),
             QCoreApplication::applicationDirPath() + QStringLiteral("/readme.txt"));
}

KESTREL_TEST(tst_CaptureProgramLink)
#include "tst_CaptureProgramLink.moc"
