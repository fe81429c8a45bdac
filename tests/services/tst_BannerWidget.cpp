#include "services/BannerWidget.h"
#include "support/ServiceCallLog.h"
#include "support/TestRegistry.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class BannerWidgetTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { ServiceCallLog::resetInitResult(); }

    void loadRules_data()
    {
        QTest::addColumn<QString>("library");
        QTest::addColumn<int>("initResult");
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<QStringList>("callNames");

        const QStringList complete {"QXBanner_Initialize",   "QXBanner_AddCookie",
                                    "QXBanner_AddCookie",    "QXBanner_AddCookie",
                                    "QXBanner_AddCookie",    "QXBanner_AddCookie",
                                    "QXBanner_ApplyCookies", "QXBanner_CreateAreaEx"};
        QTest::newRow("complete") << ServiceCallLog::fixture("QXAd.dll") << 1 << true << complete;
        QTest::newRow("missing file")
                << ServiceCallLog::fixture("QXAd_missing.dll") << 1 << false << QStringList();
        // SetCookie is never called, yet a library without it is refused before any call.
        QTest::newRow("missing export")
                << ServiceCallLog::fixture("QXAd_incomplete.dll") << 1 << false << QStringList();
        QTest::newRow("initialise returns zero") << ServiceCallLog::fixture("QXAd.dll") << 0
                                                 << false << QStringList {"QXBanner_Initialize"};
    }

    void loadRules()
    {
        QFETCH(QString, library);
        QFETCH(int, initResult);
        QFETCH(bool, loaded);
        QFETCH(QStringList, callNames);

        ServiceCallLog calls;
        ServiceCallLog::setInitResult(initResult);
        BannerWidget banner(nullptr, library);
        QCOMPARE(banner.IsLibraryLoaded(), loaded);
        QStringList names;
        const QStringList all = calls.calls();
        for (const QString &call : all)
            names << call.section(QLatin1Char('\t'), 0, 0);
        QCOMPARE(names, callNames);
    }

    void createAreaParameters()
    {
        ServiceCallLog calls;
        BannerWidget banner(nullptr, ServiceCallLog::fixture("QXAd.dll"));
        const QList<QStringList> areas = calls.callsTo("QXBanner_CreateAreaEx");
        QCOMPARE(areas.size(), 1);
        const QStringList area = areas.first();
        QCOMPARE(area.size(), 8);
        QCOMPARE(area.mid(0, 3), (QStringList {"window", "728", "90"}));
        QVERIFY(area.at(3).startsWith("https://"));
        QCOMPARE(area.at(4), area.at(3));
        QCOMPARE(area.at(5), area.at(3));
        QCOMPARE(area.at(6), QStringLiteral("Banner/banner_default_kestrel_3.bmp"));
        QVERIFY(area.at(7).startsWith("https://"));
        QCOMPARE(calls.callsTo("QXBanner_AddCookie").size(), 5);
    }

    void closeHidesForThreeHours()
    {
        QWidget parent;
        auto *banner = new BannerWidget(&parent, ServiceCallLog::fixture("QXAd_missing.dll"));
        parent.resize(900, 120);
        banner->resize(900, 90);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));

        auto *close = banner->findChild<QPushButton *>("close_");
        QVERIFY(close);
        QCOMPARE(close->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(close->geometry().topRight(), QPoint(banner->width() - 1, 1));

        QTest::mouseClick(close, Qt::LeftButton);
        QVERIFY(banner->isHidden());
        auto *timer = banner->findChild<QTimer *>();
        QVERIFY(timer && timer->isActive());
        QCOMPARE(timer->interval(), 3 * 60 * 60 * 1000);
        QVERIFY(timer->isSingleShot());

        // The wait is over: the banner comes back.
        timer->setInterval(0);
        timer->start();
        QTRY_VERIFY(banner->isVisible());
    }
};

KESTREL_TEST(BannerWidgetTest)
#include "tst_BannerWidget.moc"
