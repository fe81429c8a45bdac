#include "DrawingTestCanvas.h"
#include "editor/DrawingHighlighterItem.h"
#include "editor/DrawingPenItem.h"
#include "support/TestRegistry.h"

#include <QTest>

namespace {

using Points = QVector<QPoint>;

// Press at the first point, one move to each following point, release at the last.
void stroke(DrawingPenItem &item, const Points &points)
{
    item.mousePress(points.first());
    for (int i = 1; i + 1 < points.size(); ++i)
        item.mouseMove(points[i - 1], points[i], false);
    item.mouseRelease(points[qMax(0, points.size() - 2)], points.last(), false);
}

} // namespace

class tst_DrawingFreehand : public QObject
{
    Q_OBJECT

private slots:
    void hitShape_data();
    void hitShape();
    void penIsAlwaysSolidAndClipped();
    void highlighterDarkens_data();
    void highlighterDarkens();
};

void tst_DrawingFreehand::hitShape_data()
{
    QTest::addColumn<Points>("points");
    QTest::addColumn<QPoint>("probe");
    QTest::addColumn<bool>("hit");

    // clang-format off
    QTest::newRow("in the box, off line") << Points{{10, 10}, {60, 60}} << QPoint(55, 15) << true;
    QTest::newRow("outside the box")      << Points{{10, 10}, {60, 60}} << QPoint(70, 15) << false;
    QTest::newRow("doubling back")        << Points{{10, 10}, {40, 40}, {10, 10}} << QPoint(30, 15) << true;
    QTest::newRow("beyond the image")     << Points{{150, 10}, {190, 40}} << QPoint(170, 20) << true;
    QTest::newRow("click")                << Points{{20, 20}} << QPoint(21, 21) << true;
    QTest::newRow("beside a click")       << Points{{20, 20}} << QPoint(23, 20) << false;
    // clang-format on
}

void tst_DrawingFreehand::hitShape()
{
    QFETCH(Points, points);
    QFETCH(QPoint, probe);
    QFETCH(bool, hit);

    DrawingPenItem item(nullptr, QRectF(0, 0, 120, 60));
    stroke(item, points);
    QCOMPARE(item.shape().intersects(QRectF(probe - QPoint(1, 1), QSizeF(3, 3))), hit);
}

void tst_DrawingFreehand::penIsAlwaysSolidAndClipped()
{
    DrawingPenItem item(nullptr, QRectF(0, 0, 120, 60));
    item.setStyle(Qt::red, Qt::white, 3, Qt::DashLine);
    stroke(item, {{10, 20}, {100, 20}});
    item.onChangeSceneRect(QRectF(0, 0, 80, 60));
    const QImage image = paintedOver(item, filledImage(QSize(120, 60)));
    for (int x = 12; x < 100; ++x)
        QCOMPARE(image.pixelColor(x, 20), x < 80 ? QColor(Qt::red) : QColor(Qt::white));
}

void tst_DrawingFreehand::highlighterDarkens_data()
{
    QTest::addColumn<QColor>("below");
    QTest::addColumn<QColor>("marker");
    QTest::addColumn<Points>("points");
    QTest::addColumn<QColor>("expected");

    const QColor yellow(255, 255, 0);
    const Points line = {{10, 30}, {60, 30}, {100, 30}};
    const Points click = {{50, 30}}; // two one-point segments: a dot
    // clang-format off
    QTest::newRow("yellow over white") << QColor(Qt::white)    << yellow << line  << yellow;
    QTest::newRow("yellow over black") << QColor(Qt::black)    << yellow << line  << QColor(Qt::black);
    QTest::newRow("yellow over blue")  << QColor(0, 0, 255)    << yellow << line  << QColor(Qt::black);
    QTest::newRow("per channel")       << QColor(100, 150, 200) << QColor(200, 100, 50) << line << QColor(100, 100, 50);
    QTest::newRow("click over blue")   << QColor(0, 0, 255)    << yellow << click << QColor(Qt::black);
    // clang-format on
}

void tst_DrawingFreehand::highlighterDarkens()
{
    QFETCH(QColor, below);
    QFETCH(QColor, marker);
    QFETCH(Points, points);
    QFETCH(QColor, expected);

    DrawingHighlighterItem item(nullptr, QRectF(0, 0, 120, 60));
    item.setStyle(marker, Qt::white, 6, Qt::SolidLine);
    stroke(item, points);
    const QImage once = paintedOver(item, filledImage(QSize(120, 60), below));
    QCOMPARE(once.pixelColor(50, 30), expected);
    QCOMPARE(once.pixelColor(50, 10), below);
    // The view paints the flattened image and the items again over it.
    QCOMPARE(paintedOver(item, once).pixelColor(50, 30), expected);
}

KESTREL_TEST(tst_DrawingFreehand)
#include "tst_DrawingFreehand.moc"
