#include "services/StatisticsClient.h"
#include "services/ZCRS.h"
#include "support/ServiceCallLog.h"
#include "support/TestRegistry.h"

#include <QLibrary>
#include <QTest>
#include <QThread>

namespace {
// clang-format off
const char *const kActionCodes[] = {
    "cap_30_01", "cap_30_02", "cap_30_03", "cap_30_04", "cap_30_05", "cap_30_06", "cap_30_07",
    "cap_30_08", "cap_30_09", "cap_30_10", "cap_30_11", "cap_30_12", "cap_30_13", "cap_30_14",
    "cap_30_15", "cap_30_16", "cap_30_17", "cap_30_18", "cap_30_19", "cap_30_20", "cap_30_21",
    "cap_30_22", "cap_30_23", "cap_20_005", "capt_1_011", "capt_1_012", "capt_1_013",
    "capt_1_014", "capt_1_052", "cap_30_26",
};
// clang-format on

int crashHookCalls = 0;
void countCrash()
{
    ++crashHookCalls;
}
} // namespace

class ServiceLoadersTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        StatisticsClient::Finalize();
        ServiceCallLog::resetInitResult();
        ZCRS::SetCrashHook(nullptr);
    }

    void statisticsLoadRules_data()
    {
        QTest::addColumn<QString>("library");
        QTest::addColumn<int>("initResult");
        QTest::addColumn<bool>("initialised");
        QTest::addColumn<bool>("initialiseCalled");

        QTest::newRow("complete") << ServiceCallLog::fixture("QXSTS.dll") << 1 << true << true;
        QTest::newRow("bare name, beside the program") << "QXSTS.dll" << 1 << true << true;
        QTest::newRow("missing file")
                << ServiceCallLog::fixture("QXSTS_missing.dll") << 1 << false << false;
        QTest::newRow("missing export")
                << ServiceCallLog::fixture("QXSTS_incomplete.dll") << 1 << false << false;
        QTest::newRow("initialise returns zero")
                << ServiceCallLog::fixture("QXSTS.dll") << 0 << false << true;
    }

    void statisticsLoadRules()
    {
        QFETCH(QString, library);
        QFETCH(int, initResult);
        QFETCH(bool, initialised);
        QFETCH(bool, initialiseCalled);

        ServiceCallLog calls;
        ServiceCallLog::setInitResult(initResult);
        QCOMPARE(StatisticsClient::Initialize(library, QStringLiteral("Kestrel")), initialised);
        QCOMPARE(StatisticsClient::IsInitialized(), initialised);
        QCOMPARE(calls.callsTo("QXSTS_Initialize"),
                 initialiseCalled ? QList<QStringList> {{"Kestrel"}} : QList<QStringList>());
        QVERIFY(calls.callsTo("QXSTS_InitializeEx").isEmpty());

        QCOMPARE(StatisticsClient::ExecuteAction("cap_30_02"), initialised);
        QCOMPARE(calls.actionCodes(), initialised ? QStringList {"cap_30_02"} : QStringList());

        StatisticsClient::Finalize();
        QVERIFY(!StatisticsClient::IsInitialized());
        QCOMPARE(calls.callsTo("QXSTS_Finalize").size(), initialiseCalled ? 1 : 0);
        QVERIFY(!StatisticsClient::ExecuteAction("cap_30_03"));
        QCOMPARE(calls.actionCodes().size(), initialised ? 1 : 0);
    }

    void everyActionCodeArrives()
    {
        ServiceCallLog calls;
        QVERIFY(StatisticsClient::Initialize(StatisticsClient::kLibraryName, "Kestrel"));
        QStringList sent;
        for (const char *code : kActionCodes) {
            QVERIFY(StatisticsClient::ExecuteAction(code));
            sent << QString::fromLatin1(code);
        }
        QCOMPARE(calls.actionCodes(), sent);
    }

    void actionsFromSeveralThreads()
    {
        ServiceCallLog calls;
        QVERIFY(StatisticsClient::Initialize(StatisticsClient::kLibraryName, "Kestrel"));
        constexpr int kThreads = 4;
        constexpr int kPerThread = 50;
        std::vector<std::unique_ptr<QThread>> threads;
        for (int t = 0; t < kThreads; ++t) {
            threads.emplace_back(QThread::create([] {
                for (int i = 0; i < kPerThread; ++i)
                    StatisticsClient::ExecuteAction("cap_30_01");
            }));
            threads.back()->start();
        }
        for (auto &thread : threads)
            QVERIFY(thread->wait(10000));
        QCOMPARE(calls.actionCodes().size(), kThreads * kPerThread);
    }

    void crashReporterLoadRules_data()
    {
        QTest::addColumn<QString>("library");
        QTest::addColumn<int>("initResult");
        QTest::addColumn<bool>("loaded");

        QTest::newRow("complete") << ServiceCallLog::fixture("DADAD.dll") << 1 << true;
        // The reporter's answer is not checked: a loaded library stays in use.
        QTest::newRow("initialise returns zero")
                << ServiceCallLog::fixture("DADAD.dll") << 0 << true;
        QTest::newRow("missing file") << ServiceCallLog::fixture("DADAD_missing.dll") << 1 << false;
        QTest::newRow("missing export")
                << ServiceCallLog::fixture("DADAD_incomplete.dll") << 1 << false;
    }

    void crashReporterLoadRules()
    {
        QFETCH(QString, library);
        QFETCH(int, initResult);
        QFETCH(bool, loaded);

        ServiceCallLog calls;
        ServiceCallLog::setInitResult(initResult);
        ZCRS reporter;
        QCOMPARE(reporter.Initialize(library, "Kestrel", "1.2.3_en_US", "/opt/k/DADAD_KO.dll"),
                 loaded);
        QCOMPARE(reporter.IsLoaded(), loaded);
        const QList<QStringList> expected {
                {"Kestrel", "1.2.3_en_US", "0", "/opt/k/DADAD_KO.dll", "callback", "0"}};
        QCOMPARE(calls.callsTo("DADADProcessInitializeW"),
                 loaded ? expected : QList<QStringList>());

        reporter.ThreadInitialize();
        reporter.ThreadFinalize();
        QCOMPARE(calls.callsTo("DADADThreadInitializeW").size(), loaded ? 1 : 0);
        QCOMPARE(calls.callsTo("DADADThreadFinalizeW").size(), loaded ? 1 : 0);
        QVERIFY(calls.callsTo("DADADProcessFinalizeW").isEmpty());

        reporter.Unload();
        QVERIFY(!reporter.IsLoaded());
        reporter.ThreadInitialize();
        QCOMPARE(calls.callsTo("DADADThreadInitializeW").size(), loaded ? 1 : 0);
    }

    void crashCallback_data()
    {
        QTest::addColumn<bool>("hookRegistered");
        QTest::newRow("with hook") << true;
        QTest::newRow("without hook") << false;
    }

    void crashCallback()
    {
        QFETCH(bool, hookRegistered);
        ZCRS reporter;
        QVERIFY(reporter.Initialize(ServiceCallLog::fixture("DADAD.dll"), "Kestrel", "v", "l"));
        ZCRS::SetCrashHook(hookRegistered ? &countCrash : nullptr);
        crashHookCalls = 0;
        using RaiseCrash = int (*)(int32_t);
        QLibrary fake(ServiceCallLog::fixture("DADAD.dll"));
        const auto raise = reinterpret_cast<RaiseCrash>(fake.resolve("FakeDADAD_RaiseCrash"));
        QVERIFY(raise);
        QCOMPARE(raise(5), 1);
        QCOMPARE(crashHookCalls, hookRegistered ? 1 : 0);
    }
};

KESTREL_TEST(ServiceLoadersTest)
#include "tst_ServiceLoaders.moc"
