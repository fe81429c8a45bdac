#include "platform/CaptureProgramLink.h"
#include "platform/RegistrySettings.h"
#include "platform/Trace.h"
#include "platform/WindowUtilities.h"
#include "support/CapturePeer.h"
#include "support/FileBytes.h"
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

namespace {

// Built by a static initialiser, before the application object exists.
const QString appDirFileBeforeMain = AppDirFile(QStringLiteral("QXSTS.dll"));

QString socketPath()
{
    return TestEnvironment::runtimeDir() + QStringLiteral("/Kestrel_ScreenCaptureWnd");
}

} // namespace

class tst_CaptureProgramLink : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TestEnvironment::resetRegistry();
        RegistrySettings::open(QStringLiteral("HKEY_CURRENT_USER\\Software\\Norvane\\%0\\FuncTrace")
                                       .arg(QCoreApplication::applicationName()))
                ->setValue(QStringLiteral("trace"), 2);
        InitTrace();
        QFile::remove(TraceLogPath());
        QFile::remove(socketPath());
    }

    void cleanup()
    {
        TestEnvironment::resetRegistry();
        InitTrace();
        QFile::remove(socketPath());
    }

    // Also when a dead capture program left its file behind.
    void nothingPostedWithoutCaptureProgram()
    {
        for (const bool fileLeft : {false, true}) {
            QVERIFY(!fileLeft || writeBytes(socketPath(), QByteArray()));
            QElapsedTimer clock;
            clock.start();
            QCOMPARE(PostMessageToKestrel(CaptureMessage::NewCaptureRequested, 0, 0), 0);
            // Loose bound: only a post that waits for an answer or a time-out gets near it.
            QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        }
        QVERIFY(!readBytes(TraceLogPath()).contains("PostMessageToKestrel"));
    }

    void postedRecords_data()
    {
        QTest::addColumn<uint>("message");
        QTest::addColumn<int>("wParam");
        QTest::addColumn<int>("lParam");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("trace");
        QTest::newRow("accepted, modal")
                << 2150u << 1 << 1 << QByteArray::fromHex("000008660000000100000001")
                << QByteArray("PostMessageToKestrel : 2150 [1] [1]\r\n");
        QTest::newRow("high message, negative parameters")
                << 0x80000001u << -1 << -2 << QByteArray::fromHex("80000001fffffffffffffffe")
                << QByteArray("[-1] [-2]\r\n");
    }

    // Each post is one connection carrying one record, whose raw bytes are checked too.
    void postedRecords()
    {
        QFETCH(uint, message);
        QFETCH(int, wParam);
        QFETCH(int, lParam);
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, trace);
        QCOMPARE(CaptureWindowServerName(), socketPath());
        CapturePeer peer;
        QVERIFY(peer.listen());
        QVERIFY(PostMessageToKestrel(message, wParam, lParam) != 0);
        QVERIFY(PostMessageToKestrel(message, wParam, lParam) != 0);

        QTRY_COMPARE(peer.connections(), QList<QByteArray>({bytes, bytes}));
        QCOMPARE(readBytes(TraceLogPath()).count(trace), 2);
    }

    void appDirFile()
    {
        QCOMPARE(appDirFileBeforeMain, QStringLiteral("QXSTS.dll"));
        QCOMPARE(AppDirFile(QStringLiteral("readme.txt")),
                 QCoreApplication::applicationDirPath() + QStringLiteral("/readme.txt"));
    }
};

QTEST_MAIN(tst_CaptureProgramLink)
#include "tst_CaptureProgramLink.moc"
