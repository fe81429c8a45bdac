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
        RegionSelection selection(kScreens);
        QVERIFY(selection.rect().isEmpty());
        selection.begin(press);
        selection.extend(release + QPoint(7, -3)); // the corner follows the latest point
        selection.extend(release);
        QTEST(selection.rect(), "expected");
    }

    void overlay_data()
    {
        QTest::addColumn<QPoint>("dragTo");
        QTest::addColumn<int>("key"); // 0: release the button instead
        QTest::addColumn<bool>("taken");
        row("escape while dragging", QPoint(200, 150), int(Qt::Key_Escape), false);
        row("enter while dragging", QPoint(200, 150), int(Qt::Key_Return), true);
        row("release", QPoint(200, 150), 0, true);
        row("enter without a region", QPoint(20, 20), int(Qt::Key_Enter), false);
        row("click without a drag", QPoint(20, 20), 0, false);
    }

    // The overlay shows a desktop whose origin is not (0, 0) and reports the region in
    // desktop coordinates, once; the Escape that follows cancels only what was not taken.
    void overlay()
    {
        QFETCH(QPoint, dragTo);
        QFETCH(int, key);
        QFETCH(bool, taken);
        const QRect area(-100, 0, 400, 300);
        RegionOverlay overlay(
                DesktopImage {QImage(area.size(), QImage::Format_RGB32), area, {area}}, area);
        QSignalSpy selected(&overlay, &RegionOverlay::selected);
        QSignalSpy canceled(&overlay, &RegionOverlay::canceled);
        overlay.present();
        QTest::mousePress(&overlay, Qt::LeftButton, {}, QPoint(20, 20));
        QMouseEvent move(QEvent::MouseMove, dragTo, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&overlay, &move);
        key ? QTest::keyClick(&overlay, Qt::Key(key))
            : QTest::mouseRelease(&overlay, Qt::LeftButton, {}, dragTo);
        QTest::keyClick(&overlay, Qt::Key_Escape);
        QCOMPARE(selected.count(), int(taken));
        QCOMPARE(canceled.count(), int(!taken));
        QVERIFY(!taken || selected.at(0).at(0).toRect() == QRect(-80, 20, 180, 130));
        QVERIFY(!overlay.isVisible());
    }
};

QTEST_MAIN(tst_RegionSelection)
#include "tst_RegionSelection.moc"
