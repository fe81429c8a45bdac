#include "app/Application.h"
#include "app/IpcClient.h"
#include "app/LocalServerName.h"
#include "platform/RegistrySettings.h"
#include "support/ServiceCallLog.h"
#include "support/TestEnvironment.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <algorithm>
#include <memory>

// The real program, started as the capture program would start it.
class SingleInstanceTest : public QObject
{
    Q_OBJECT

private:
    QString logPath_;
    std::vector<std::unique_ptr<QProcess>> processes_;

    QProcess *start(const QStringList &arguments, const QString &program = KESTREL_EXECUTABLE)
    {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("ko_KR.UTF-8"));
        process->setProcessEnvironment(environment);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(program, arguments);
        processes_.push_back(std::move(process));
        return processes_.back().get();
    }

    static bool serving()
    {
        IpcClient probe;
        return probe.IsServerRunning(Application::kIpcServerName);
    }

    QStringList logLines() const
    {
        QFile file(logPath_);
        if (!file.open(QIODevice::ReadOnly))
            return QStringList();
        return QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    }

    QStringList commandsLogged() const
    {
        QStringList commands;
        const QString marker = QStringLiteral(" treatCommand : ");
        const QStringList lines = logLines();
        for (const QString &line : lines) {
            const int at = line.indexOf(marker);
            if (at >= 0)
                commands << line.mid(at + marker.size());
        }
        return commands;
    }

    // Ends an instance through its own command channel.
    void endInstance(QProcess *instance)
    {
        QProcess *killer = start({QStringLiteral("/kill")});
        QVERIFY(killer->waitForFinished(10000));
        QCOMPARE(killer->exitCode(), 0);
        QVERIFY(instance->waitForFinished(10000));
        QCOMPARE(instance->exitStatus(), QProcess::NormalExit);
        QCOMPARE(instance->exitCode(), 0);
    }

private slots:
    void init()
    {
        TestEnvironment::resetRegistry();
        const auto settings = RegistrySettings::open(
                QStringLiteral("HKEY_CURRENT_USER\\Software\\Norvane\\KestrelEditor\\FuncTrace"));
        settings->setValue(QStringLiteral("trace"), 2);
        settings->sync();
        logPath_ = QDir::tempPath() + QStringLiteral("/KestrelEditor/KestrelEditor.log");
        QFile::remove(logPath_);
    }

    void cleanup()
    {
        for (auto &process : processes_) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished(5000);
            }
        }
        processes_.clear();
        TestEnvironment::resetRegistry();
    }

    void secondStartForwardsItsCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("capture") << QStringList {"/path", "/tmp/cap ture.png", "/point", "10",
                                                 "20"};
        QTest::newRow("no arguments") << QStringList();
        QTest::newRow("embedded quote") << QStringList {"/path", "say \"cheese\".png"};
        QTest::newRow("hangul") << QStringList {"/path", "/tmp/캡처 1.png"};
    }

    void secondStartForwardsItsCommandLine()
    {
        QFETCH(QStringList, arguments);
        QProcess *first = start({});
        QTRY_VERIFY_WITH_TIMEOUT(serving(), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(commandsLogged().size(), 1, 5000);

        QProcess *second = start(arguments);
        QVERIFY(second->waitForFinished(10000));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);

        const QString expected =
                Application::JoinArguments(QStringList {KESTREL_EXECUTABLE} + arguments);
        QTRY_COMPARE_WITH_TIMEOUT(commandsLogged().size(), 2, 5000);
        QCOMPARE(commandsLogged().at(1), expected);
        QCOMPARE(first->state(), QProcess::Running);
        endInstance(first);
        // The second start never served: one server start in the log, by the first.
        int serverStarts = 0;
        const QStringList lines = logLines();
        for (const QString &line : lines)
            serverStarts += line.endsWith(QStringLiteral(" StartServer : " KESTREL_VERSION));
        QCOMPARE(serverStarts, 1);
    }

    void startAfterKilledInstanceServes()
    {
        QProcess *crashed = start({});
        QTRY_VERIFY_WITH_TIMEOUT(serving(), 10000);
        crashed->kill();
        QVERIFY(crashed->waitForFinished(5000));
        QVERIFY(QFileInfo::exists(LocalServerName(Application::kIpcServerName)));
        QVERIFY(!serving());

        QProcess *next = start({QStringLiteral("/show")});
        QTRY_VERIFY_WITH_TIMEOUT(serving(), 10000);
        QCOMPARE(next->state(), QProcess::Running);
        QProcess *forwarder = start({QStringLiteral("/hide")});
        QVERIFY(forwarder->waitForFinished(10000));
        QCOMPARE(forwarder->exitCode(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(commandsLogged().contains(Application::JoinArguments(
                                         {KESTREL_EXECUTABLE, QStringLiteral("/hide")})),
                                 5000);
        endInstance(next);
    }

    void simultaneousStartsElectOneServer()
    {
        constexpr int kStarts = 8;
        QList<QProcess *> started;
        for (int i = 0; i < kStarts; ++i)
            started << start({QStringLiteral("/path"), QStringLiteral("c%1.png").arg(i)});
        auto finished = [&started] {
            return std::count_if(started.begin(), started.end(), [](QProcess *process) {
                return process->state() == QProcess::NotRunning;
            });
        };
        QTRY_COMPARE_WITH_TIMEOUT(finished(), kStarts - 1, 20000);
        QTest::qWait(500);
        QCOMPARE(finished(), kStarts - 1);
        QProcess *server = nullptr;
        for (QProcess *process : qAsConst(started)) {
            if (process->state() == QProcess::Running)
                server = process;
            else
                QCOMPARE(process->exitCode(), 0);
        }
        QTRY_COMPARE_WITH_TIMEOUT(commandsLogged().size(), kStarts, 5000);
        endInstance(server);
    }

    // The crash reporter beside the program gets the product's parameters.
    void crashReporterParameters()
    {
        const QString folder = TestEnvironment::tempDir() + QStringLiteral("/program");
        QDir(folder).removeRecursively();
        QVERIFY(QDir().mkpath(folder));
        const QString program = folder + QStringLiteral("/KestrelEditor");
        QVERIFY(QFile::copy(KESTREL_EXECUTABLE, program));
        QVERIFY(QFile::copy(ServiceCallLog::fixture(QStringLiteral("DADAD.dll")),
                            folder + QStringLiteral("/DADAD.dll")));
        ServiceCallLog calls;

        QProcess *instance = start({}, program);
        QTRY_VERIFY_WITH_TIMEOUT(serving(), 10000);
        const QList<QStringList> initialised =
                calls.callsTo(QStringLiteral("DADADProcessInitializeW"));
        QCOMPARE(initialised.size(), 1);
        QCOMPARE(initialised.first(),
                 (QStringList {"Kestrel", KESTREL_VERSION "_ko_KR", "0", folder + "/DADAD_KO.dll",
                               "callback", "0"}));
        endInstance(instance);
    }
};

KESTREL_TEST(SingleInstanceTest)
#include "tst_SingleInstance.moc"
