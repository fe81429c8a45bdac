#include "capture/RegionOverlay.h"
#include "capture/RegionSelection.h"
#include "support/DataRow.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

namespace {
// Two screens side by side, the right one shorter and standing lower.
const QList<QRect> kScreens {QRect(0, 0, 1920, 1080), QRect(1920, 200, 1280, 720)};
} // namespace

class tst_RegionSelection : public QObject
{
    Q_OBJECT

private slots:
    void drag_data()
    {
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<QPoint>("release");
        QTest::addColumn<QRect>("expected");
        row("down right", QPoint(100, 100), QPoint(300, 250), QRect(100, 100, 200, 150));
        row("up left", QPoint(300, 250), QPoint(100, 100), QRect(100, 100, 200, 150));
        row("up right", QPoint(100, 250), QPoint(300, 100), QRect(100, 100, 200, 150));
        row("down left", QPoint(300, 100), QPoint(100, 250), QRect(100, 100, 200, 150));
        row("no movement", QPoint(50, 50), QPoint(50, 50), QRect());
        row("a line is empty", QPoint(50, 50), QPoint(50, 90), QRect());
        row("to the last pixel", QPoint(1900, 1000), QPoint(1920, 1080), QRect(1900, 1000, 20, 80));
        row("beyond the corner", QPoint(1900, 1000), QPoint(5000, 5000),
            QRect(1900, 920, 1300, 80));
        row("beyond top left", QPoint(10, 10), QPoint(-40, -70), QRect(0, 0, 10, 10));
        row("across the screens", QPoint(1800, 300), QPoint(2000, 400), QRect(1800, 300, 200, 100));
        row("into the gap above the short screen", QPoint(1800, 300), QPoint(2500, 20),
            QRect(1800, 200, 700, 100));
        row("pressed off every screen", QPoint(3300, 100), QPoint(3000, 400),
            QRect(3000, 200, 200, 200));
    }

    void drag()
    {
        QFETCH(QPoint, press);
        QFETCH(QPoint, release);
        QFETCH(QRect, expected);
        RegionSelection selection(kScreens);
        QVERIFY(selection.rect().isEmpty());
        selection.begin(press);
        selection.extend(release + QPoint(7, -3)); // the corner follows the latest point
        selection.extend(release);
        QCOMPARE(selection.rect(), expected);
    }

    void overlay_data()
    {
        QTest::addColumn<QPoint>("dragTo");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("release");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("canceled");
        row("escape while dragging", QPoint(200, 150), int(Qt::Key_Escape), false, 0, 1);
        row("enter while dragging", QPoint(200, 150), int(Qt::Key_Return), false, 1, 0);
        row("release", QPoint(200, 150), 0, true, 1, 0);
        row("enter without a region", QPoint(20, 20), int(Qt::Key_Enter), false, 0, 0);
        row("click without a drag", QPoint(20, 20), 0, true, 0, 0);
    }

    // The overlay shows part of a desktop whose origin is not (0, 0); it reports regions in
    // desktop coordinates, once.
    void overlay()
    {
        QFETCH(QPoint, dragTo);
        QFETCH(int, key);
        QFETCH(bool, release);
        QFETCH(int, selected);
        QFETCH(int, canceled);
        DesktopImage desktop;
        desktop.geometry = QRect(-100, 0, 400, 300);
        desktop.screens = {desktop.geometry};
        desktop.image = QImage(400, 300, QImage::Format_RGB32);
        desktop.image.fill(Qt::darkGreen);
        RegionOverlay overlay(desktop, desktop.geometry);
        QSignalSpy selectedSpy(&overlay, &RegionOverlay::selected);
        QSignalSpy canceledSpy(&overlay, &RegionOverlay::canceled);
        overlay.present();
        QVERIFY(QTest::qWaitForWindowExposed(&overlay));

        QTest::mousePress(&overlay, Qt::LeftButton, {}, QPoint(20, 20));
        QMouseEvent move(QEvent::MouseMove, dragTo, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&overlay, &move);
        if (key)
            QTest::keyClick(&overlay, Qt::Key(key));
        if (release)
            QTest::mouseRelease(&overlay, Qt::LeftButton, {}, dragTo);
        QTest::keyClick(&overlay, Qt::Key_Escape); // after a decision, ignored
        QCOMPARE(selectedSpy.count(), selected);
        QCOMPARE(canceledSpy.count(), canceled + (selected || canceled ? 0 : 1));
        if (selected)
            QCOMPARE(selectedSpy.at(0).at(0).toRect(), QRect(-80, 20, 180, 130));
        QVERIFY(!overlay.isVisible());
    }
};

QTEST_MAIN(tst_RegionSelection)
#include "tst_RegionSelection.moc"
