#include "DrawingTestCanvas.h"
#include "editor/DrawingHighlighterItem.h"
#include "editor/DrawingPenItem.h"
#include "support/TestRegistry.h"

#include <QTest>

namespace {

const QRectF kImage(0, 0, 120, 60);

// Press at the first point, one move to each following point, release at the last.
void stroke(DrawingPenItem &item, const QVector<QPoint> &points)
{
    item.mousePress(points.first());
    for (int i = 1; i + 1 < points.size(); ++i)
        item.mouseMove(points[i - 1], points[i], false);
    const QPoint last = points.size() > 1 ? points[points.size() - 2] : points.first();
    item.mouseRelease(last, points.last(), false);
}

} // namespace

class tst_DrawingFreehand : public QObject
{
    Q_OBJECT

private slots:
    void segmentsAndRect();
    void hitShape_data();
    void hitShape();
    void penIsAlwaysSolidAndClipped();
    void highlighterDarkens_data();
    void highlighterDarkens();
    void highlighterClickPaintsDots();
};

void tst_DrawingFreehand::segmentsAndRect()
{
    DrawingPenItem item(nullptr, kImage);
    item.setStyle(Qt::red, Qt::white, 2, Qt::DotLine);
    stroke(item, {{5, 5}, {10, 5}, {10, 20}, {3, 25}});
    const QVector<QLineF> expected = {
            {5, 5, 5, 5}, {5, 5, 10, 5}, {10, 5, 10, 20}, {10, 20, 3, 25}};
    QCOMPARE(item.lines(), expected);
    QCOMPARE(item.rect(), QRectF(3, 5, 7, 20));
    QCOMPARE(item.boundingRect(), QRectF(0, 2, 13, 26));
}

void tst_DrawingFreehand::hitShape_data()
{
    QTest::addColumn<QVector<QPoint>>("points");
    QTest::addColumn<QPoint>("probe");
    QTest::addColumn<bool>("hit");

    const QVector<QPoint> diagonal = {{10, 10}, {60, 60}};
    QTest::newRow("on the line") << diagonal << QPoint(35, 35) << true;
    QTest::newRow("in the box, away from the line") << diagonal << QPoint(55, 15) << true;
    QTest::newRow("outside the box") << diagonal << QPoint(70, 15) << false;
    QTest::newRow("stroke that doubles back")
            << QVector<QPoint> {{10, 10}, {40, 40}, {10, 10}} << QPoint(30, 15) << true;
    QTest::newRow("overlapping boxes")
            << QVector<QPoint> {{0, 0}, {50, 20}, {10, 30}, {40, 0}} << QPoint(25, 15) << true;
    QTest::newRow("beyond the image")
            << QVector<QPoint> {{150, 10}, {190, 40}} << QPoint(170, 20) << true;
    QTest::newRow("click") << QVector<QPoint> {{20, 20}} << QPoint(21, 21) << true;
    QTest::newRow("beside a click") << QVector<QPoint> {{20, 20}} << QPoint(23, 20) << false;
}

void tst_DrawingFreehand::hitShape()
{
    QFETCH(QVector<QPoint>, points);
    QFETCH(QPoint, probe);
    QFETCH(bool, hit);

    DrawingPenItem item(nullptr, kImage);
    stroke(item, points);
    QCOMPARE(item.shape().intersects(QRectF(probe.x() - 1, probe.y() - 1, 3, 3)), hit);
}

void tst_DrawingFreehand::penIsAlwaysSolidAndClipped()
{
    DrawingPenItem item(nullptr, kImage);
    item.setStyle(Qt::red, Qt::white, 3, Qt::DashLine);
    stroke(item, {{10, 20}, {100, 20}});
    item.onChangeSceneRect(QRectF(0, 0, 80, 60));
    DrawingTestCanvas canvas(QSize(120, 60));
    canvas.paint(item);
    for (int x = 12; x < 80; ++x)
        QCOMPARE(canvas.at(x, 20), QColor(Qt::red));
    for (int x = 80; x < 100; ++x)
        QCOMPARE(canvas.at(x, 20), QColor(Qt::white));
}

void tst_DrawingFreehand::highlighterDarkens_data()
{
    QTest::addColumn<QColor>("below");
    QTest::addColumn<QColor>("marker");
    QTest::addColumn<QColor>("expected");

    const QColor yellow(255, 255, 0);
    QTest::newRow("yellow over white") << QColor(Qt::white) << yellow << yellow;
    QTest::newRow("yellow over black") << QColor(Qt::black) << yellow << QColor(Qt::black);
    QTest::newRow("yellow over blue") << QColor(0, 0, 255) << yellow << QColor(Qt::black);
    QTest::newRow("per channel") << QColor(100, 150, 200) << QColor(200, 100, 50)
                                 << QColor(100, 100, 50);
}

void tst_DrawingFreehand::highlighterDarkens()
{
    QFETCH(QColor, below);
    QFETCH(QColor, marker);
    QFETCH(QColor, expected);

    DrawingHighlighterItem item(nullptr, kImage);
    item.setStyle(marker, Qt::white, 6, Qt::SolidLine);
    stroke(item, {{10, 30}, {60, 30}, {100, 30}});
    DrawingTestCanvas canvas(QSize(120, 60), below);
    canvas.paint(item);
    QCOMPARE(canvas.at(50, 30), expected);
    QCOMPARE(canvas.at(50, 10), below);
    // The view paints the flattened image and the items again over it.
    canvas.paint(item);
    QCOMPARE(canvas.at(50, 30), expected);
}

void tst_DrawingFreehand::highlighterClickPaintsDots()
{
    DrawingHighlighterItem item(nullptr, kImage);
    item.setStyle(QColor(255, 255, 0), Qt::white, 5, Qt::SolidLine);
    item.mousePress(QPoint(20, 20));
    item.mouseRelease(QPoint(20, 20), QPoint(20, 20), false);
    QCOMPARE(item.lines().size(), 2);
    DrawingTestCanvas canvas(QSize(40, 40), QColor(0, 0, 255));
    canvas.paint(item);
    QCOMPARE(canvas.at(20, 20), QColor(Qt::black));
    QCOMPARE(canvas.at(30, 20), QColor(0, 0, 255));
}

KESTREL_TEST(tst_DrawingFreehand)
#include "tst_DrawingFreehand.moc"
