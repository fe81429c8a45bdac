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

#include <unistd.h>

namespace {
QStringList debugMessages;

void captureDebug(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg)
        debugMessages << message;
}

void configureTrace(const QVariant &trace, const QVariant &output)
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
    const QString text = QString::fromUtf8(file.readAll());
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}
} // namespace

class TraceTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QDir(QFileInfo(TraceLogPath()).path()).removeRecursively();
        QFile::remove(QFileInfo(TraceLogPath()).path());
    }

    void cleanup() { configureTrace(QVariant(), QVariant()); }

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
        QTest::newRow("trace not a number") << QVariant("all") << QVariant() << 1 << false << false;
        QTest::newRow("output 1, trace 0") << QVariant(0) << QVariant(1) << 1 << false << false;
        QTest::newRow("output 1, trace 2") << QVariant(2) << QVariant(1) << 2 << true << true;
        QTest::newRow("output 2") << QVariant(2) << QVariant(2) << 2 << true << false;
        QTest::newRow("output text") << QVariant(2) << QVariant("yes") << 2 << true << false;
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
        if (inFile)
            QVERIFY(lines.first().endsWith(QStringLiteral(" levels : entry 42")));
        QCOMPARE(debugMessages.size(), inDebug ? 1 : 0);
        if (inDebug)
            QCOMPARE(debugMessages.first(), lines.first());
    }

    void entryShape()
    {
        configureTrace(2, QVariant());
        const QString text = QStringLiteral("/path \"C:\\\\한글 file.png\"");
        Trace(QStringLiteral("treatCommand"), 2, "%ls", qUtf16Printable(text));
        Trace(1, QStringLiteral("PostMessageToKestrel"), "%d [%d] [%d]", 2150, 1, 0);

        QFile file(TraceLogPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.endsWith("\r\n"));
        const QStringList lines = logLines();
        QCOMPARE(lines.size(), 2);
        const QString stamp =
                QStringLiteral(R"(^\[\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3}\]\(P:%0\) )")
                        .arg(QCoreApplication::applicationPid());
        const QRegularExpression first(stamp + QStringLiteral("treatCommand : ")
                                       + QRegularExpression::escape(text) + QLatin1Char('$'));
        QVERIFY2(first.match(lines.at(0)).hasMatch(), qPrintable(lines.at(0)));
        QVERIFY2(lines.at(1).endsWith(QStringLiteral(") PostMessageToKestrel : 2150 [1] [0]")),
                 qPrintable(lines.at(1)));
    }

    void restartsLargeLog_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<bool>("restarted");
        QTest::newRow("exactly 50 MiB") << qint64(52428800) << false;
        QTest::newRow("50 MiB plus one byte") << qint64(52428801) << true;
    }

    void restartsLargeLog()
    {
        QFETCH(qint64, size);
        QFETCH(bool, restarted);
        configureTrace(1, QVariant());
        Trace(1, QStringLiteral("restart"), "first");
        {
            QFile file(TraceLogPath());
            QVERIFY(file.resize(size)); // sparse: cheap on disk
        }
        Trace(1, QStringLiteral("restart"), "second");
        const QFileInfo log(TraceLogPath());
        if (restarted) {
            QVERIFY(log.size() < 200);
            const QStringList lines = logLines();
            QCOMPARE(lines.size(), 1);
            QVERIFY(lines.first().endsWith(QStringLiteral(" restart : second")));
        } else {
            QVERIFY(log.size() > size);
        }
    }

    void createsPrivateFolder()
    {
        configureTrace(1, QVariant());
        const QString folder = QFileInfo(TraceLogPath()).path();
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::setPermissions(folder, QFileDevice::Permissions(0x7777)));
        Trace(1, QStringLiteral("private"), "entry");
        QCOMPARE(logLines().size(), 1);
        const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup
                | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::WriteOther
                | QFileDevice::ExeOther;
        QCOMPARE(QFileInfo(folder).permissions() & others, QFileDevice::Permissions());
        QCOMPARE(QFileInfo(TraceLogPath()).permissions() & others, QFileDevice::Permissions());
    }

    void neverWritesThroughLinks_data()
    {
        QTest::addColumn<bool>("linkFolder");
        QTest::newRow("log file is a link") << false;
        QTest::newRow("log folder is a link") << true;
    }

    void neverWritesThroughLinks()
    {
        QFETCH(bool, linkFolder);
        configureTrace(1, QVariant());
        const QString victimDir = TestEnvironment::root() + QStringLiteral("/victim");
        QDir(victimDir).removeRecursively();
        QVERIFY(QDir().mkpath(victimDir));
        const QString logName = QFileInfo(TraceLogPath()).fileName();
        const QString victim = victimDir + QLatin1Char('/') + logName;
        {
            QFile file(victim);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("precious\n");
        }
        const QString folder = QFileInfo(TraceLogPath()).path();
        if (linkFolder) {
            QVERIFY(QFile::link(victimDir, folder));
        } else {
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(QFile::link(victim, TraceLogPath()));
        }
        Trace(1, QStringLiteral("link"), "must not land in the victim");
        QFile file(victim);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("precious\n"));
    }

    void formatsNothingWhenOff()
    {
        configureTrace(QVariant(), QVariant());
        // A format that would crash if it were ever expanded: %ls with no argument.
        Trace(2, QStringLiteral("off"), "%ls %ls %ls");
        QVERIFY(!QFile::exists(TraceLogPath()));
    }
};

KESTREL_TEST(TraceTest)
#include "tst_Trace.moc"
