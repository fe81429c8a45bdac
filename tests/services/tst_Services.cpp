#include "services/BannerWidget.h"
#include "services/StatisticsClient.h"
#include "services/ZCRS.h"
#include "support/DataRow.h"
#include "support/ServiceCallLog.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
constexpr int Statistics = 0, Banner = 1, CrashReporter = 2;

int crashHookCalls = 0;
void countCrash()
{
    ++crashHookCalls;
}
} // namespace

class ServicesTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        StatisticsClient::Finalize();
        ServiceCallLog::resetInitResult();
        ZCRS::SetCrashHook(nullptr);
    }

    // A library in use is called after loading; one left off never is, and nothing crashes.
    // Statistics codes go out only between a successful Initialize and Finalize.
    void loadRules_data()
    {
        QTest::addColumn<int>("service");
        QTest::addColumn<QString>("library");
        QTest::addColumn<int>("initResult");
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<QString>("calls");
        const QString banner = "QXBanner_Initialize " + QString("QXBanner_AddCookie ").repeated(5)
                + "QXBanner_ApplyCookies QXBanner_CreateAreaEx";
        const QString reporter =
                "DADADProcessInitializeW DADADThreadInitializeW DADADThreadFinalizeW";
        row("statistics", Statistics, "fixtures/QXSTS.dll", 1, true,
            "QXSTS_Initialize QXSTS_ExecuteAction QXSTS_Finalize");
        row("statistics beside the program", Statistics, "QXSTS.dll", 1, true,
            "QXSTS_Initialize QXSTS_ExecuteAction QXSTS_Finalize");
        row("statistics missing", Statistics, "fixtures/QXSTS_missing.dll", 1, false, "");
        row("statistics incomplete", Statistics, "fixtures/QXSTS_incomplete.dll", 1, false, "");
        row("statistics refused", Statistics, "fixtures/QXSTS.dll", 0, false,
            "QXSTS_Initialize QXSTS_Finalize");
        row("banner", Banner, "fixtures/QXAd.dll", 1, true, banner);
        row("banner missing", Banner, "fixtures/QXAd_missing.dll", 1, false, "");
        // SetCookie is never called, yet a library without it is refused before any call.
        row("banner incomplete", Banner, "fixtures/QXAd_incomplete.dll", 1, false, "");
        row("banner refused", Banner, "fixtures/QXAd.dll", 0, false, "QXBanner_Initialize");
        row("reporter", CrashReporter, "fixtures/DADAD.dll", 1, true, reporter);
        row("reporter missing", CrashReporter, "fixtures/DADAD_missing.dll", 1, false, "");
        row("reporter incomplete", CrashReporter, "fixtures/DADAD_incomplete.dll", 1, false, "");
        // The reporter's answer is not checked: a loaded library stays in use.
        row("reporter refusing", CrashReporter, "fixtures/DADAD.dll", 0, true, reporter);
    }

    void loadRules()
    {
        QFETCH(int, service);
        QFETCH(QString, library);
        QFETCH(int, initResult);
        QFETCH(bool, loaded);
        QFETCH(QString, calls);
        if (library.contains('/'))
            library = QCoreApplication::applicationDirPath() + '/' + library;
        ServiceCallLog log;
        ServiceCallLog::setInitResult(initResult);
        if (service == Statistics) {
            QCOMPARE(StatisticsClient::Initialize(library, "Kestrel"), loaded);
            QCOMPARE(StatisticsClient::ExecuteAction("cap_30_02"), loaded);
            QCOMPARE(log.actionCodes(), loaded ? QStringList {"cap_30_02"} : QStringList());
            StatisticsClient::Finalize();
            QVERIFY(!StatisticsClient::ExecuteAction("cap_30_03"));
        } else if (service == Banner) {
            QCOMPARE(BannerWidget(nullptr, library).IsLibraryLoaded(), loaded);
        } else {
            ZCRS reporter;
            QCOMPARE(reporter.Initialize(library, "Kestrel", "1.2.3_en_US", "l"), loaded);
            reporter.ThreadInitialize();
            reporter.ThreadFinalize();
        }
        QCOMPARE(log.callNames().join(' '), calls.trimmed());
    }

    void parametersReachTheLibraries()
    {
        ServiceCallLog log;
        QVERIFY(StatisticsClient::Initialize(ServiceCallLog::fixture("QXSTS.dll"), "Kestrel"));
        QVERIFY(ZCRS().Initialize(ServiceCallLog::fixture("DADAD.dll"), "Kestrel", "1.2.3_ko_KR",
                                  "/opt/캡처/DADAD_KO.dll"));
        BannerWidget banner(nullptr, ServiceCallLog::fixture("QXAd.dll"));
        QCOMPARE(log.callsTo("QXSTS_Initialize"), QList<QStringList> {{"Kestrel"}});
        const QStringList reporter {
                "Kestrel", "1.2.3_ko_KR", "0", "/opt/캡처/DADAD_KO.dll", "callback", "0"};
        QCOMPARE(log.callsTo("DADADProcessInitializeW"), QList<QStringList> {reporter});
        const QStringList area = log.callsTo("QXBanner_CreateAreaEx").value(0);
        QCOMPARE(area.mid(0, 3), (QStringList {"window", "728", "90"}));
        QVERIFY(area.value(3).startsWith("https://") && area.value(7).startsWith("https://"));
        QCOMPARE(area.mid(4, 3),
                 (QStringList {area.at(3), area.at(3), "Banner/banner_default_kestrel_3.bmp"}));
    }

    void crashCallbackReachesTheHook()
    {
        ZCRS reporter;
        QVERIFY(reporter.Initialize(ServiceCallLog::fixture("DADAD.dll"), "Kestrel", "v", "l"));
        QLibrary fake(ServiceCallLog::fixture("DADAD.dll"));
        const auto raise = reinterpret_cast<int (*)(int32_t)>(fake.resolve("FakeDADAD_RaiseCrash"));
        QVERIFY(raise);
        crashHookCalls = 0;
        QCOMPARE(raise(5), 1); // no hook yet
        ZCRS::SetCrashHook(&countCrash);
        QCOMPARE(raise(5), 1);
        QCOMPARE(crashHookCalls, 1);
    }

    void bannerCloseHidesForThreeHours()
    {
        QWidget parent;
        auto *banner = new BannerWidget(&parent, ServiceCallLog::fixture("QXAd_missing.dll"));
        parent.resize(900, 120);
        banner->resize(900, 90);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        QTest::mouseClick(banner->findChild<QPushButton *>("close_"), Qt::LeftButton);
        QVERIFY(banner->isHidden());
        auto *timer = banner->findChild<QTimer *>();
        QVERIFY(timer->isActive() && timer->isSingleShot());
        QCOMPARE(timer->interval(), 3 * 60 * 60 * 1000);
        timer->start(0);
        QTRY_VERIFY(banner->isVisible());
    }
};

QTEST_MAIN(ServicesTest)
#include "tst_Services.moc"
