#include "app/Application.h"
#include "app/IpcClient.h"
#include "platform/LocalServerName.h"
#include "platform/RegistrySettings.h"
#include "support/ServiceCallLog.h"
#include "support/TestEnvironment.h"

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
    // A copy of the program with the fake crash reporter beside it.
    const QString folder_ = TestEnvironment::tempDir() + QStringLiteral("/program");
    const QString program_ = folder_ + QStringLiteral("/KestrelEditor");
    const QString logPath_ = QDir::tempPath() + QStringLiteral("/KestrelEditor/KestrelEditor.log");
    std::vector<std::unique_ptr<QProcess>> processes_;

    QProcess *start(const QStringList &arguments)
    {
        processes_.push_back(std::make_unique<QProcess>());
        QProcess *process = processes_.back().get();
        process->setEnvironment(QStringList {"LC_ALL=ko_KR.UTF-8"} + QProcess::systemEnvironment());
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(program_, arguments);
        return process;
    }

    static bool serving() { return IpcClient().IsServerRunning(Application::kIpcServerName); }

    QStringList logLines(const QString &marker) const
    {
        QFile file(logPath_);
        QStringList found;
        const QStringList lines = file.open(QIODevice::ReadOnly)
                ? QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"))
                : QStringList();
        for (const QString &line : lines.filter(marker))
            found << line.mid(line.indexOf(marker) + marker.size());
        return found;
    }

    QStringList commandsLogged() const { return logLines(QStringLiteral(" treatCommand : ")); }

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
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(folder_));
        QVERIFY(QFile::copy(KESTREL_EXECUTABLE, program_));
        QVERIFY(QFile::copy(ServiceCallLog::fixture(QStringLiteral("DADAD.dll")),
                            folder_ + QStringLiteral("/DADAD.dll")));
    }

    void init()
    {
        TestEnvironment::resetRegistry();
        RegistrySettings::open(
                QStringLiteral("HKEY_CURRENT_USER\\Software\\Norvane\\KestrelEditor\\FuncTrace"))
                ->setValue(QStringLiteral("trace"), 2);
        QDir(QDir::tempPath() + QStringLiteral("/KestrelEditor")).removeRecursively();
    }

    void cleanup()
    {
        for (auto &process : processes_) {
            process->kill();
            process->waitForFinished(5000);
        }
        processes_.clear();
        TestEnvironment::resetRegistry();
    }

    void secondStartForwardsItsCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("capture") << QStringList {"/path", "/tmp/cap ture.png", "/point", "10"};
        QTest::newRow("no arguments") << QStringList();
        QTest::newRow("quote, hangul") << QStringList {"/path", "say \"cheese\" 캡처.png"};
    }

    // The first instance starts where a killed one left its socket file behind.
    void secondStartForwardsItsCommandLine()
    {
        QFETCH(QStringList, arguments);
        QProcess *crashed = start({});
        QTRY_VERIFY_WITH_TIMEOUT(serving(), 10000);
        crashed->kill();
        QVERIFY(crashed->waitForFinished(5000));
        QVERIFY(QFileInfo::exists(LocalServerName(Application::kIpcServerName)));
        QVERIFY(!serving());
        QFile::remove(logPath_);

        ServiceCallLog calls;
        QProcess *first = start({});
        QTRY_VERIFY_WITH_TIMEOUT(serving(), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(commandsLogged().size(), 1, 5000);
        QProcess *second = start(arguments);
        QVERIFY(second->waitForFinished(10000));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(commandsLogged().size(), 2, 5000);
        QCOMPARE(commandsLogged().at(1),
                 Application::JoinArguments(QStringList {program_} + arguments));
        QCOMPARE(first->state(), QProcess::Running);
        endInstance(first);
        QCOMPARE(logLines(QStringLiteral(" StartServer : ")), QStringList {KESTREL_VERSION});
        const QStringList reporter {"Kestrel",  KESTREL_VERSION "_ko_KR",
                                    "0",        folder_ + "/DADAD_KO.dll",
                                    "callback", "0"};
        QCOMPARE(calls.callsTo(QStringLiteral("DADADProcessInitializeW")).value(0), reporter);
    }

    void simultaneousStartsElectOneServer()
    {
        constexpr int kStarts = 8;
        for (int i = 0; i < kStarts; ++i)
            start({QStringLiteral("/path"), QStringLiteral("c%1.png").arg(i)});
        auto running = [this] {
            return std::count_if(processes_.begin(), processes_.end(), [](const auto &process) {
                return process->state() != QProcess::NotRunning;
            });
        };
        QTRY_COMPARE_WITH_TIMEOUT(running(), 1, 20000);
        QTest::qWait(500);
        QCOMPARE(running(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(commandsLogged().size(), kStarts, 5000);
        QProcess *server = nullptr;
        for (auto &process : processes_) {
            if (process->state() == QProcess::Running)
                server = process.get();
            else
                QCOMPARE(process->exitCode(), 0);
        }
        endInstance(server);
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "tst_SingleInstance.moc"
