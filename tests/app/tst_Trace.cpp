#include "platform/RegistrySettings.h"
#include "platform/Trace.h"
#include "support/FileBytes.h"
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

namespace {
QStringList debugMessages;

void captureDebug(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg)
        debugMessages << message;
}

// -1 leaves a value out of the registry.
void configureTrace(int trace, int output = -1)
{
    TestEnvironment::resetRegistry();
    {
        const auto settings = RegistrySettings::open("HKEY_CURRENT_USER\\Software\\Norvane\\"
                                                     + qAppName() + "\\FuncTrace");
        if (trace >= 0)
            settings->setValue(QStringLiteral("trace"), trace);
        if (output >= 0)
            settings->setValue(QStringLiteral("output"), output);
    }
    InitTrace();
}

QString logText()
{
    return QString::fromUtf8(readBytes(TraceLogPath()));
}

QString logFolder()
{
    return QFileInfo(TraceLogPath()).path();
}
} // namespace

class TraceTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QDir(logFolder()).removeRecursively();
        QFile::remove(logFolder());
    }

    void cleanup() { configureTrace(-1); }

    void levels_data()
    {
        QTest::addColumn<int>("trace");
        QTest::addColumn<int>("output");
        QTest::addColumn<int>("entryLevel");
        QTest::addColumn<bool>("inFile");
        QTest::addColumn<bool>("inDebug");
        QTest::newRow("no key") << -1 << -1 << 1 << false << false;
        QTest::newRow("trace 0") << 0 << -1 << 1 << false << false;
        QTest::newRow("trace 1, error") << 1 << -1 << 1 << true << false;
        QTest::newRow("trace 1, flow") << 1 << -1 << 2 << false << false;
        QTest::newRow("trace 2, flow") << 2 << -1 << 2 << true << false;
        QTest::newRow("output 1, trace 0") << 0 << 1 << 1 << false << false;
        QTest::newRow("output 1, trace 2") << 2 << 1 << 2 << true << true;
        QTest::newRow("output 2") << 2 << 2 << 2 << true << false;
    }

    // Also the shape of an entry: stamp, process, function, text, CRLF.
    void levels()
    {
        QFETCH(int, trace);
        QFETCH(int, output);
        QFETCH(int, entryLevel);
        QFETCH(bool, inFile);
        QFETCH(bool, inDebug);
        configureTrace(trace, output);
        debugMessages.clear();
        const QtMessageHandler previous = qInstallMessageHandler(captureDebug);
        const QString text = QStringLiteral("/path \"C:\\\\한글 file.png\"");
        TRACE(entryLevel, "%d %ls", 42, qUtf16Printable(text)); // under this function's name
        Trace(QStringLiteral("reversed"), entryLevel, "%d", 7);
        qInstallMessageHandler(previous);
        const QString stamp =
                QStringLiteral(R"(\[\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3}\]\(P:%0\) )")
                        .arg(QCoreApplication::applicationPid());
        const QRegularExpression entries(QStringLiteral("^%0levels : 42 %1\r\n%0reversed : 7\r\n$")
                                                 .arg(stamp, QRegularExpression::escape(text)));
        QVERIFY2(inFile ? entries.match(logText()).hasMatch() : logText().isEmpty(),
                 qPrintable(logText()));
        QCOMPARE(debugMessages,
                 inDebug ? logText().split("\r\n", Qt::SkipEmptyParts) : QStringList());
    }

    void restartsLargeLog_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::newRow("exactly 50 MiB") << qint64(52428800);
        QTest::newRow("50 MiB plus one byte") << qint64(52428801);
    }

    void restartsLargeLog()
    {
        QFETCH(qint64, size);
        configureTrace(1);
        Trace(1, QStringLiteral("restart"), "first");
        QVERIFY(QFile(TraceLogPath()).resize(size)); // sparse: cheap on disk
        Trace(1, QStringLiteral("restart"), "second");
        if (size > 52428800)
            QVERIFY(logText().endsWith(" restart : second\r\n") && logText().count('\n') == 1);
        else
            QVERIFY(QFileInfo(TraceLogPath()).size() > size);
    }

    void logIsPrivate_data()
    {
        QTest::addColumn<int>("link");
        QTest::newRow("folder open to all") << 0;
        QTest::newRow("log file is a link") << 1;
        QTest::newRow("log folder is a link") << 2;
    }

    void logIsPrivate()
    {
        QFETCH(int, link);
        configureTrace(1);
        const QString victimDir = TestEnvironment::root() + QStringLiteral("/victim");
        QDir(victimDir).removeRecursively();
        QVERIFY(QDir().mkpath(victimDir));
        const QString victim = victimDir + '/' + QFileInfo(TraceLogPath()).fileName();
        QVERIFY(writeBytes(victim, "precious\n"));
        if (link == 2)
            QVERIFY(QFile::link(victimDir, logFolder()));
        else
            QVERIFY(QDir().mkpath(logFolder())
                    && QFile::setPermissions(logFolder(), QFileDevice::Permissions(0x7777)));
        if (link == 1)
            QVERIFY(QFile::link(victim, TraceLogPath()));
        Trace(1, QStringLiteral("link"), "must not land in the victim");
        QCOMPARE(readBytes(victim), QByteArray("precious\n"));
        if (link == 0) {
            QVERIFY(logText().endsWith(" link : must not land in the victim\r\n"));
            const auto others = QFileDevice::Permissions(0x0077);
            QCOMPARE(QFileInfo(logFolder()).permissions() & others, QFileDevice::Permissions());
            QCOMPARE(QFileInfo(TraceLogPath()).permissions() & others, QFileDevice::Permissions());
        }
    }
};

QTEST_MAIN(TraceTest)
#include "tst_Trace.moc"
