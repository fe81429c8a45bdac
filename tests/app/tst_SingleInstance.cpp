#include "app/Application.h"
#include "app/IpcClient.h"
#include "app/IpcSocket.h"
#include "platform/LocalServerName.h"
#include "platform/RegistrySettings.h"
#include "support/DataRow.h"
#include "support/FileBytes.h"
#include "support/ServiceCallLog.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <algorithm>
#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {
// Connections that never send anything; a full backlog is tried again until patience ends.
std::vector<std::unique_ptr<IpcSocket>> connectSilently(int count, int patienceMs)
{
    std::vector<std::unique_ptr<IpcSocket>> sockets;
    const QDeadlineTimer patience(patienceMs);
    while (int(sockets.size()) < count) {
        sockets.push_back(std::make_unique<IpcSocket>());
        const auto reach = sockets.back()->ConnectToServer(Application::kIpcServerName);
        if (reach == IpcSocket::Reach::Connected)
            continue;
        sockets.pop_back();
        if (reach == IpcSocket::Reach::NobodyThere || patience.hasExpired())
            break;
        QTest::qSleep(5);
    }
    return sockets;
}
} // namespace

// The real program, started as the capture program would start it.
class SingleInstanceTest : public QObject
{
    Q_OBJECT

private:
    // A copy of the program with the fake crash reporter beside it.
    const QString folder_ = TestEnvironment::tempDir() + QStringLiteral("/program");
    const QString program_ = folder_ + QStringLiteral("/KestrelEditor");
    const QString logPath_ = QDir::tempPath() + QStringLiteral("/KestrelEditor/KestrelEditor.log");
    const QString fifo_ = TestEnvironment::tempDir() + QStringLiteral("/fifo.png");
    std::vector<std::unique_ptr<QProcess>> processes_;

    QProcess *start(const QStringList &arguments,
                    QProcess::ProcessChannelMode channels = QProcess::ForwardedErrorChannel)
    {
        processes_.push_back(std::make_unique<QProcess>());
        QProcess *process = processes_.back().get();
        process->setEnvironment(QStringList {"LC_ALL=ko_KR.UTF-8"} + QProcess::systemEnvironment());
        process->setProcessChannelMode(channels);
        process->start(program_, arguments);
        return process;
    }

    // Hands a command line to the running instance through a start of its own.
    void forward(const QStringList &arguments)
    {
        QProcess *process = start(arguments);
        QVERIFY(process->waitForFinished(20000));
        QCOMPARE(process->exitCode(), 0);
    }

    static bool serving() { return IpcClient().IsServerRunning(Application::kIpcServerName); }

    QStringList logLines(const QString &marker) const
    {
        QStringList found;
        const QStringList lines = QString::fromUtf8(readBytes(logPath_)).split("\r\n");
        for (const QString &line : lines.filter(marker))
            found << line.mid(line.indexOf(marker) + marker.size());
        return found;
    }

    QStringList commandsLogged() const { return logLines(QStringLiteral(" treatCommand : ")); }

    // Ends an instance through its own command channel.
    void endInstance(QProcess *instance)
    {
        forward({QStringLiteral("/kill")});
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
        QCOMPARE(::mkfifo(qPrintable(fifo_), 0600), 0);
        QVERIFY(QFile::link(fifo_, fifo_ + QStringLiteral(".link")));
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

    void commandLinesTheInstanceOutlives_data()
    {
        QTest::addColumn<QStringList>("arguments");
        row("fifo", QStringList {"/path", fifo_});
        row("link to a fifo", QStringList {"/path", fifo_ + ".link"});
        row("character device", QStringList {"/path", "/dev/null"});
        row("/path takes /KILL as its file", QStringList {"/path", "/KILL"});
        row("/point takes two", QStringList {"/point", "/kill", "/kill"});
        row("argument missing", QStringList {"/kill", "/point", "1"});
    }

    // Neither blocks the instance nor ends it: it carries out the next command line.
    void commandLinesTheInstanceOutlives()
    {
        QFETCH(QStringList, arguments);
        QProcess *instance = start({});
        QTRY_VERIFY_WITH_TIMEOUT(serving(), 10000);
        forward(arguments);
        forward({QStringLiteral("/skip")});
        QTRY_COMPARE_WITH_TIMEOUT(commandsLogged().size(), 3, 10000);
        endInstance(instance);
    }

    void handOver_data()
    {
        QTest::addColumn<int>("starts");
        QTest::addColumn<int>("longArguments"); // of 100,000 characters each
        QTest::addColumn<int>("stoppedMs"); // after the starts begin; -1: until they end
        QTest::addColumn<int>("waiting"); // silent connections in the backlog beforehand
        QTest::addColumn<bool>("delivered");
        row("300,000 characters", 1, 3, 0, 0, true);
        row("30 starts, instance stopped, backlog filling", 30, 0, 1500, 40, true);
        row("300,000 characters, instance stopped throughout", 1, 3, -1, 0, false);
    }

    // Each start hands its line over whole, or says it could not; none takes the name over.
    void handOver()
    {
        QFETCH(int, starts);
        QFETCH(int, longArguments);
        QFETCH(int, stoppedMs);
        QFETCH(int, waiting);
        QFETCH(bool, delivered);
        QProcess *instance = start({});
        QTRY_VERIFY_WITH_TIMEOUT(serving(), 10000);
        const auto pid = pid_t(instance->processId());
        if (stoppedMs != 0)
            ::kill(pid, SIGSTOP);
        auto backlog = connectSilently(waiting, 0);
        QList<QProcess *> started;
        for (int i = 0; i < starts; ++i) {
            QStringList arguments {"/path", QStringLiteral("c%1.png").arg(i)};
            for (int k = 0; k < longArguments; ++k)
                arguments << QString(100000, QChar('a' + k));
            started << start(arguments, QProcess::SeparateChannels);
        }
        QTest::qWait(qMax(stoppedMs, 0));
        backlog.clear();
        if (stoppedMs > 0)
            ::kill(pid, SIGCONT);
        for (QProcess *process : qAsConst(started)) {
            QVERIFY(process->state() == QProcess::NotRunning || process->waitForFinished(30000));
            QCOMPARE(process->exitCode() == 0, delivered);
            QVERIFY(delivered || !process->readAllStandardError().isEmpty());
        }
        ::kill(pid, SIGCONT);
        // The instance drops a line that did not arrive whole, so counting them is enough.
        QTRY_COMPARE_WITH_TIMEOUT(commandsLogged().size(), 1 + (delivered ? starts : 0), 10000);
        endInstance(instance);
    }

    void descriptorFlood_data()
    {
        QTest::addColumn<int>("limit"); // on the instance's descriptors during the flood
        QTest::addColumn<bool>("keepsListening");
        row("limit 100", 100, true);
        row("limit 3, nothing but the standard streams", 3, false);
    }

    // A flood never stops the instance listening for long; afterwards it serves as before.
    void descriptorFlood()
    {
        QFETCH(int, limit);
        QFETCH(bool, keepsListening);
        QProcess *instance = start({});
        QTRY_COMPARE_WITH_TIMEOUT(commandsLogged().size(), 1, 10000); // written before the limit
        const auto pid = pid_t(instance->processId());
        rlimit original;
        QCOMPARE(::prlimit(pid, RLIMIT_NOFILE, nullptr, &original), 0);
        const rlimit lowered {rlim_t(limit), original.rlim_max};
        QCOMPARE(::prlimit(pid, RLIMIT_NOFILE, &lowered, nullptr), 0);
        const QString socketFile = LocalServerName(Application::kIpcServerName);
        {
            const auto flood = connectSilently(300, 3000);
            if (keepsListening)
                QVERIFY(int(flood.size()) > limit && QFileInfo::exists(socketFile));
            else
                QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(socketFile), 5000);
            QCOMPARE(::prlimit(pid, RLIMIT_NOFILE, &original, nullptr), 0);
        }
        forward({QStringLiteral("/path"), QStringLiteral("after the flood.png")});
        QTRY_COMPARE_WITH_TIMEOUT(commandsLogged().size(), 2, 10000);
        endInstance(instance);
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "tst_SingleInstance.moc"
