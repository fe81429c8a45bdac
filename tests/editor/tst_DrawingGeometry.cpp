#include "editor/DrawingArrowItem.h"
#include "editor/DrawingGeometry.h"
#include "editor/DrawingLineItem.h"
#include "editor/DrawingRectItem.h"
#include "support/TestRegistry.h"

#include <QTest>

class tst_DrawingGeometry : public QObject
{
    Q_OBJECT

private slots:
    void snap45_data();
    void snap45();
    void dragRect_data();
    void dragRect();
    void clipLine_data();
    void clipLine();
};

void tst_DrawingGeometry::snap45_data()
{
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QPoint>("expected");

    QTest::newRow("shallow becomes horizontal")
            << QPoint(0, 0) << QPoint(100, 30) << QPoint(100, 0);
    QTest::newRow("middle becomes diagonal") << QPoint(0, 0) << QPoint(100, 80) << QPoint(100, 100);
    QTest::newRow("steep becomes vertical") << QPoint(0, 0) << QPoint(30, 100) << QPoint(0, 100);
    QTest::newRow("diagonal up-left") << QPoint(50, 50) << QPoint(-20, 0) << QPoint(-20, -20);
    QTest::newRow("diagonal down-left") << QPoint(50, 50) << QPoint(0, 90) << QPoint(0, 100);
    QTest::newRow("diagonal up-right") << QPoint(0, 0) << QPoint(60, -80) << QPoint(80, -80);
    QTest::newRow("steep upwards") << QPoint(10, 10) << QPoint(5, -90) << QPoint(10, -90);
    QTest::newRow("already horizontal") << QPoint(10, 10) << QPoint(-40, 10) << QPoint(-40, 10);
    QTest::newRow("already vertical") << QPoint(10, 10) << QPoint(10, 3) << QPoint(10, 3);
    QTest::newRow("same point") << QPoint(7, 7) << QPoint(7, 7) << QPoint(7, 7);
    // The limits are sin and cos of 22.5° written with four decimals: q = 0.382673 is
    // already diagonal and q = 0.923819 already vertical.
    QTest::newRow("just past horizontal")
            << QPoint(0, 0) << QPoint(10000, 4142) << QPoint(10000, 10000);
    QTest::newRow("just vertical") << QPoint(0, 0) << QPoint(4144, 10000) << QPoint(0, 10000);
}

void tst_DrawingGeometry::snap45()
{
    QFETCH(QPoint, start);
    QFETCH(QPoint, point);
    QFETCH(QPoint, expected);

    QCOMPARE(DrawingGeometry::snap45(start, point), QPointF(expected));

    // Both line-like items snap their end with Shift and follow the pointer without it.
    DrawingLineItem line(nullptr, QRectF(-10000, -10000, 20000, 20000));
    line.mousePress(start);
    line.mouseMove(start, point, true);
    QCOMPARE(line.endPoint(), QPointF(expected));
    line.mouseRelease(point, point, false);
    QCOMPARE(line.endPoint(), QPointF(point));

    DrawingArrowItem arrow(nullptr, QRectF(-10000, -10000, 20000, 20000));
    arrow.mousePress(start);
    arrow.mouseRelease(start, point, true);
    QCOMPARE(arrow.endPoint(), QPointF(expected));
}

void tst_DrawingGeometry::dragRect_data()
{
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<QRectF>("expected");

    QTest::newRow("down-right") << QPoint(10, 10) << QPoint(40, 20) << false
                                << QRectF(10, 10, 30, 10);
    QTest::newRow("up-left is normalised")
            << QPoint(40, 30) << QPoint(10, 10) << false << QRectF(10, 10, 30, 20);
    QTest::newRow("zero width becomes 1")
            << QPoint(10, 10) << QPoint(10, 50) << false << QRectF(10, 10, 1, 40);
    QTest::newRow("zero height becomes 1")
            << QPoint(10, 10) << QPoint(0, 10) << false << QRectF(0, 10, 10, 1);
    QTest::newRow("click becomes 1x1")
            << QPoint(5, 6) << QPoint(5, 6) << false << QRectF(5, 6, 1, 1);
    QTest::newRow("square down-right")
            << QPoint(10, 10) << QPoint(40, 20) << true << QRectF(10, 10, 10, 10);
    QTest::newRow("square down-left")
            << QPoint(10, 10) << QPoint(-20, 40) << true << QRectF(-20, 10, 30, 30);
    QTest::newRow("square up-left")
            << QPoint(10, 10) << QPoint(0, -30) << true << QRectF(0, 0, 10, 10);
    QTest::newRow("square up-right")
            << QPoint(10, 10) << QPoint(60, 5) << true << QRectF(10, 5, 5, 5);
    QTest::newRow("square of a straight drag")
            << QPoint(10, 10) << QPoint(10, 40) << true << QRectF(10, 10, 1, 1);
}

void tst_DrawingGeometry::dragRect()
{
    QFETCH(QPoint, start);
    QFETCH(QPoint, point);
    QFETCH(bool, shift);
    QFETCH(QRectF, expected);

    QCOMPARE(DrawingGeometry::dragRect(start, point, shift), expected);

    DrawingRectItem item(nullptr, QRectF(-100, -100, 200, 200));
    item.mousePress(start);
    item.mouseMove(start, point, shift);
    QCOMPARE(item.rect(), expected);
    item.mouseRelease(point, point, shift);
    QCOMPARE(item.rect(), expected);
    QCOMPARE(item.endPoint(), QPointF(point));
}

void tst_DrawingGeometry::clipLine_data()
{
    QTest::addColumn<QLineF>("line");
    QTest::addColumn<bool>("kept");
    QTest::addColumn<QLineF>("expected");

    QTest::newRow("inside") << QLineF(10, 10, 90, 50) << true << QLineF(10, 10, 90, 50);
    QTest::newRow("leaves right") << QLineF(50, 50, 150, 50) << true << QLineF(50, 50, 100, 50);
    QTest::newRow("crosses both sides")
            << QLineF(-50, 0, 150, 100) << true << QLineF(0, 25, 100, 75);
    QTest::newRow("outside") << QLineF(110, 0, 150, 90) << false << QLineF();
    QTest::newRow("on the top edge") << QLineF(-10, 0, 50, 0) << true << QLineF(0, 0, 50, 0);
    QTest::newRow("one point outside") << QLineF(-1, 30, -1, 30) << false << QLineF();
}

void tst_DrawingGeometry::clipLine()
{
    QFETCH(QLineF, line);
    QFETCH(bool, kept);
    QFETCH(QLineF, expected);

    const QPainterPath path =
            DrawingGeometry::clipLine(line.p1(), line.p2(), QRectF(0, 0, 100, 100));
    QCOMPARE(path.isEmpty(), !kept);
    if (!kept)
        return;
    QCOMPARE(path.elementCount(), 2);
    QCOMPARE(QLineF(path.elementAt(0), path.elementAt(1)), expected);
}

KESTREL_TEST(tst_DrawingGeometry)
#include "tst_DrawingGeometry.moc"
