#include "ScreenCover.h"
#include "capture/CaptureTray.h"
#include "capture/RegionOverlay.h"
#include "platform/CaptureProgramLink.h"
#include "platform/RegistrySettings.h"
#include "platform/Trace.h"
#include "preferences/KestrelPreferences.h"
#include "support/DataRow.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QFile>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>

namespace {

RegionOverlay *shownOverlay()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *overlay = qobject_cast<RegionOverlay *>(widget); overlay && overlay->isVisible())
            return overlay;
    }
    return nullptr;
}

QByteArray traceLog()
{
    QFile log(TraceLogPath());
    return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
}

} // namespace

// The editor's posted messages, as PostMessageToKestrel sends them, reach the tray.
class tst_CaptureTray : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TestEnvironment::resetRegistry();
        QFile::remove(TraceLogPath());
        RegistrySettings::open(QStringLiteral("HKEY_CURRENT_USER\\Software\\Norvane\\%0\\FuncTrace")
                                       .arg(QCoreApplication::applicationName()))
                ->setValue(QStringLiteral("trace"), 2);
        InitTrace();
    }

    void messages_data()
    {
        QTest::addColumn<uint>("message");
        QTest::addColumn<bool>("overlay");
        QTest::addColumn<bool>("reloaded");
        QTest::addColumn<bool>("notice");
        row("new capture starts a region capture", 2152u, true, false, false);
        row("preferences opening reloads", 2149u, false, true, false);
        row("preferences finished reloads", 2150u, false, true, false);
        row("online update: from the distribution", 2154u, false, false, true);
        row("editor exiting", 2151u, false, false, false);
        row("result window shown", 2153u, false, false, false);
        row("hidden to tray", 2155u, false, false, false);
        row("unknown", 4242u, false, false, false);
    }

    void messages()
    {
        QFETCH(uint, message);
        QFETCH(bool, overlay);
        QFETCH(bool, reloaded);
        QFETCH(bool, notice);
        ScreenCover cover;
        CaptureTray tray;
        QString error;
        QVERIFY2(tray.start(&error), qPrintable(error));
        QVERIFY(!tray.settings().autoSave);
        QSignalSpy noticed(&tray, &CaptureTray::noticed);
        noticed.clear(); // the tray-less desktop has been mentioned
        KestrelPreferences preferences;
        preferences.initialize();
        preferences.setBool(KestrelPreferences::AutoSave, true);
        preferences.save();

        // A record cut short is dropped without effect.
        QLocalSocket cut;
        cut.connectToServer(CaptureWindowServerName());
        QVERIFY(cut.waitForConnected(1000));
        cut.write(EncodePostedMessage(2152, 0, 0).left(11));
        cut.disconnectFromServer();

        QVERIFY(PostMessageToKestrel(message, 7, -1) != 0);
        const QByteArray traced =
                QStringLiteral("CaptureWindow : %1 [7] [-1]").arg(message).toUtf8();
        QTRY_VERIFY(traceLog().contains(traced));
        if (overlay) {
            QTRY_VERIFY(shownOverlay());
        } else {
            QTest::qWait(500); // longer than a capture takes to freeze the screen
            QVERIFY(!shownOverlay());
        }
        QCOMPARE(tray.settings().autoSave, reloaded);
        QCOMPARE(noticed.count(), notice ? 1 : 0);
        if (notice)
            QVERIFY(noticed.at(0).at(0).toString().contains(QStringLiteral("distribution")));
        if (RegionOverlay *shown = shownOverlay())
            QTest::keyClick(shown, Qt::Key_Escape);
        QCOMPARE(traceLog().count("CaptureWindow :"), 1);
    }

    void secondTrayRefused()
    {
        CaptureTray first;
        CaptureTray second;
        QString error;
        QVERIFY(first.start(&error));
        QVERIFY(!second.start(&error));
        QVERIFY2(error.contains(QStringLiteral("already running")), qPrintable(error));
    }
};

QTEST_MAIN(tst_CaptureTray)
#include "tst_CaptureTray.moc"
