#include "ScreenCover.h"
#include "capture/CaptureTray.h"
#include "capture/RegionOverlay.h"
#include "platform/CaptureProgramLink.h"
#include "platform/RegistrySettings.h"
#include "platform/Trace.h"
#include "preferences/KestrelPreferences.h"
#include "support/DataRow.h"
#include "support/FileBytes.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QFile>
#include <QSignalSpy>

namespace {
RegionOverlay *shownOverlay()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *overlay = qobject_cast<RegionOverlay *>(widget); overlay && overlay->isVisible())
            return overlay;
    }
    return nullptr;
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
        RegistrySettings::open("HKEY_CURRENT_USER\\Software\\Norvane\\tst_CaptureTray\\FuncTrace")
                ->setValue("trace", 2);
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
        for (uint other : {2151u, 2153u, 2155u, 4242u})
            row(qPrintable(QString::number(other)), other, false, false, false);
    }

    void messages()
    {
        QFETCH(uint, message);
        QFETCH(bool, overlay);
        QFETCH(bool, notice);
        ScreenCover cover;
        CaptureTray tray;
        QString error;
        QVERIFY2(tray.start(&error), qPrintable(error));
        QSignalSpy noticed(&tray, &CaptureTray::noticed);
        KestrelPreferences preferences;
        preferences.initialize();
        preferences.setBool(KestrelPreferences::AutoSave, true);
        preferences.save();

        QVERIFY(PostMessageToKestrel(message, 7, -1) != 0);
        const QByteArray entry =
                QStringLiteral("CaptureWindow : %1 [7] [-1]").arg(message).toUtf8();
        QTRY_VERIFY(readBytes(TraceLogPath()).contains(entry));
        if (!overlay)
            QTest::qWait(500); // longer than a capture takes to freeze the screen
        QTRY_COMPARE(shownOverlay() != nullptr, overlay);
        QTEST(tray.settings().autoSave, "reloaded");
        QCOMPARE(noticed.count(), notice ? 1 : 0);
        QVERIFY(!notice || noticed.at(0).at(0).toString().contains("distribution"));
        if (RegionOverlay *shown = shownOverlay())
            QTest::keyClick(shown, Qt::Key_Escape);
    }
};

QTEST_MAIN(tst_CaptureTray)
#include "tst_CaptureTray.moc"
