#include "app/Trace.h"
#include "platform/RegistrySettings.h"
#include "support/TestEnvironment.h"
#include "support/TestRegistry.h"

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

void configureTrace(const QVariant &trace, const QVariant &output = QVariant())
{
    TestEnvironment::resetRegistry();
    {
        const auto settings = RegistrySettings::open(
                QStringLiteral("HKEY_CURRENT_USER\\Software\\Norvane\\%0\\FuncTrace")
                        .arg(QCoreApplication::applicationName()));
        if (trace.isValid())
            settings->setValue(QStringLiteral("trace"), trace);
        if (output.isValid())
            settings->setValue(QStringLiteral("output"), output);
    }
    InitTrace();
}

QStringList logLines()
{
    QFile file(TraceLogPath());
    if (!file.open(QIODevice::ReadOnly))
        return QStringList();
    return QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

const QString logFolder()
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

    void cleanup() { configureTrace(QVariant()); }

    void levels_data()
    {
        QTest::addColumn<QVariant>("trace");
        QTest::addColumn<QVariant>("output");
        QTest::addColumn<int>("entryLevel");
        QTest::addColumn<bool>("inFile");
        QTest::addColumn<bool>("inDebug");
        QTest::newRow("no key") << QVariant() << QVariant() << 1 << false << false;
        QTest::newRow("trace 0") << QVariant(0) << QVariant() << 1 << false << false;
        QTest::newRow("trace 1, error") << QVariant(1) << QVariant() << 1 << true << false;
        QTest::newRow("trace 1, flow") << QVariant(1) << QVariant() << 2 << false << false;
        QTest::newRow("trace 2, flow") << QVariant(2) << QVariant() << 2 << true << false;
        QTest::newRow("output 1, trace 0") << QVariant(0) << QVariant(1) << 1 << false << false;
        QTest::newRow("output 1, trace 2") << QVariant(2) << QVariant(1) << 2 << true << true;
        QTest::newRow("output 2") << QVariant(2) << QVariant(2) << 2 << true << false;
    }

    void levels()
    {
        QFETCH(QVariant, trace);
        QFETCH(QVariant, output);
        QFETCH(int, entryLevel);
        QFETCH(bool, inFile);
        QFETCH(bool, inDebug);
        configureTrace(trace, output);
        debugMessages.clear();
        const QtMessageHandler previous = qInstallMessageHandler(captureDebug);
        Trace(entryLevel, QStringLiteral("levels"), "entry %d", 42);
        qInstallMessageHandler(previous);
        const QStringList lines = logLines();
        QCOMPARE(lines.size(), inFile ? 1 : 0);
        QCOMPARE(debugMessages, inDebug ? lines : QStringList());
    }

    void entryShape()
    {
        configureTrace(2);
        const QString text = QStringLiteral("/path \"C:\\\\한글 file.png\"");
        Trace(QStringLiteral("treatCommand"), 2, "%ls", qUtf16Printable(text));
        Trace(1, QStringLiteral("PostMessageToKestrel"), "%d [%d]", 2150, 1);
        QFile file(TraceLogPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString stamp =
                QStringLiteral(R"(\[\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3}\]\(P:%0\) )")
                        .arg(QCoreApplication::applicationPid());
        const QRegularExpression expected(
                QStringLiteral("^%0treatCommand : %1\r\n%0PostMessageToKestrel : 2150 \\[1\\]\r\n$")
                        .arg(stamp, QRegularExpression::escape(text)));
        const QString content = QString::fromUtf8(file.readAll());
        QVERIFY2(expected.match(content).hasMatch(), qPrintable(content));
    }

    void restartsLargeLog_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<int>("lines");
        QTest::newRow("exactly 50 MiB") << qint64(52428800) << 0;
        QTest::newRow("50 MiB plus one byte") << qint64(52428801) << 1;
    }

    void restartsLargeLog()
    {
        QFETCH(qint64, size);
        QFETCH(int, lines);
        configureTrace(1);
        Trace(1, QStringLiteral("restart"), "first");
        QVERIFY(QFile(TraceLogPath()).resize(size)); // sparse: cheap on disk
        Trace(1, QStringLiteral("restart"), "second");
        QCOMPARE(QFileInfo(TraceLogPath()).size() > size, lines == 0);
        if (lines)
            QCOMPARE(logLines().size(), 1);
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
        QFile file(victim);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("precious\n") == 9);
        file.close();
        if (link == 2)
            QVERIFY(QFile::link(victimDir, logFolder()));
        else
            QVERIFY(QDir().mkpath(logFolder())
                    && QFile::setPermissions(logFolder(), QFileDevice::Permissions(0x7777)));
        if (link == 1)
            QVERIFY(QFile::link(victim, TraceLogPath()));
        Trace(1, QStringLiteral("link"), "must not land in the victim");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("precious\n"));
        if (link == 0) {
            QCOMPARE(logLines().size(), 1);
            const auto others = QFileDevice::Permissions(0x0077);
            QCOMPARE(QFileInfo(logFolder()).permissions() & others, QFileDevice::Permissions());
            QCOMPARE(QFileInfo(TraceLogPath()).permissions() & others, QFileDevice::Permissions());
        }
    }
};

KESTREL_TEST(TraceTest)
#include "tst_Trace.moc"
