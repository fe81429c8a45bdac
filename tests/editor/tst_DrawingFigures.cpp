#include "DrawingTestCanvas.h"
#include "editor/DrawingArrowItem.h"
#include "editor/DrawingCircleItem.h"
#include "editor/DrawingLineItem.h"
#include "editor/DrawingRectItem.h"
#include "editor/DrawingSpeechBalloonItem.h"
#include "support/TestRegistry.h"

#include <QTest>
#include <memory>

namespace {

const QRectF kImage(0, 0, 200, 120);

std::unique_ptr<DrawingItem> makeFigure(const QString &kind)
{
    if (kind == "line")
        return std::make_unique<DrawingLineItem>(nullptr, kImage);
    if (kind == "arrow")
        return std::make_unique<DrawingArrowItem>(nullptr, kImage);
    if (kind == "rect")
        return std::make_unique<DrawingRectItem>(nullptr, kImage);
    if (kind == "circle")
        return std::make_unique<DrawingCircleItem>(nullptr, kImage);
    return std::make_unique<DrawingSpeechBalloonItem>(nullptr, kImage);
}

// A figure dragged from `from` to `to` in one move and released there.
std::unique_ptr<DrawingItem> drawFigure(const QString &kind, QPoint from, QPoint to,
                                        int penStyle = Qt::SolidLine)
{
    auto item = makeFigure(kind);
    item->setStyle(Qt::red, Qt::green, 3, penStyle);
    auto *mouse = dynamic_cast<DrawingInterface *>(item.get());
    mouse->mousePress(from);
    mouse->mouseMove(from, to, false);
    mouse->mouseRelease(to, to, false);
    return item;
}

bool hits(const QGraphicsItem &item, QPoint point)
{
    // The eraser's probe: the 3 x 3 square round the pointer.
    return item.shape().intersects(QRectF(point.x() - 1, point.y() - 1, 3, 3));
}

QVector<QPointF> sorted(QPolygonF polygon)
{
    std::sort(polygon.begin(), polygon.end(), [](const QPointF &a, const QPointF &b) {
        return a.x() != b.x() ? a.x() < b.x() : a.y() < b.y();
    });
    return polygon;
}

} // namespace

class tst_DrawingFigures : public QObject
{
    Q_OBJECT

private slots:
    void hitShape_data();
    void hitShape();
    void boundingRectFollowsSceneRect();
    void balloonPolygon();
    void arrowHead();
    void paintedPixels_data();
    void paintedPixels();
    void dashedArrowHasSolidHead();
};

void tst_DrawingFigures::hitShape_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QPoint>("probe");
    QTest::addColumn<bool>("hit");
    QTest::addColumn<QRectF>("sceneRect"); // the image rectangle after a crop

    const QRectF full = kImage;
    const QRectF cropped(0, 0, 100, 120);
    QTest::newRow("line on it") << "line" << QPoint(10, 10) << QPoint(110, 60) << QPoint(60, 35)
                                << true << full;
    QTest::newRow("line beside it")
            << "line" << QPoint(10, 10) << QPoint(110, 60) << QPoint(60, 45) << false << full;
    QTest::newRow("line along the top edge")
            << "line" << QPoint(0, 0) << QPoint(80, 0) << QPoint(40, 0) << true << full;
    QTest::newRow("line cut by a crop")
            << "line" << QPoint(10, 10) << QPoint(190, 10) << QPoint(150, 10) << false << cropped;
    QTest::newRow("line kept by a crop")
            << "line" << QPoint(10, 10) << QPoint(190, 10) << QPoint(50, 10) << true << cropped;
    QTest::newRow("arrow shaft") << "arrow" << QPoint(10, 60) << QPoint(150, 60) << QPoint(80, 60)
                                 << true << full;
    QTest::newRow("arrow head wing")
            << "arrow" << QPoint(10, 60) << QPoint(150, 60) << QPoint(144, 53) << true << full;
    QTest::newRow("beside arrow shaft")
            << "arrow" << QPoint(10, 60) << QPoint(150, 60) << QPoint(80, 64) << false << full;
    QTest::newRow("diagonal arrow shaft")
            << "arrow" << QPoint(10, 10) << QPoint(100, 100) << QPoint(50, 50) << true << full;
    QTest::newRow("steep arrow shaft")
            << "arrow" << QPoint(50, 10) << QPoint(55, 110) << QPoint(52, 50) << true << full;
    QTest::newRow("arrow head cut by a crop")
            << "arrow" << QPoint(10, 60) << QPoint(150, 60) << QPoint(144, 53) << false << cropped;
    QTest::newRow("rect inside") << "rect" << QPoint(10, 10) << QPoint(60, 50) << QPoint(30, 30)
                                 << true << full;
    QTest::newRow("rect outside") << "rect" << QPoint(10, 10) << QPoint(60, 50) << QPoint(65, 30)
                                  << false << full;
    QTest::newRow("rect part cut by a crop")
            << "rect" << QPoint(80, 10) << QPoint(160, 50) << QPoint(120, 30) << false << cropped;
    QTest::newRow("circle centre")
            << "circle" << QPoint(10, 10) << QPoint(90, 90) << QPoint(50, 50) << true << full;
    QTest::newRow("circle corner")
            << "circle" << QPoint(10, 10) << QPoint(90, 90) << QPoint(14, 14) << false << full;
    QTest::newRow("balloon beside its tail")
            << "balloon" << QPoint(0, 0) << QPoint(100, 100) << QPoint(90, 95) << true << full;
}

void tst_DrawingFigures::hitShape()
{
    QFETCH(QString, kind);
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(QPoint, probe);
    QFETCH(bool, hit);
    QFETCH(QRectF, sceneRect);

    auto item = makeFigure(kind);
    auto *mouse = dynamic_cast<DrawingInterface *>(item.get());
    mouse->mousePress(from);
    QVERIFY2(item->shape().isEmpty(), "nothing can be hit before release");
    mouse->mouseMove(from, to, false);
    mouse->mouseRelease(to, to, false);
    item->onChangeSceneRect(sceneRect);
    QCOMPARE(hits(*item, probe), hit);
}

void tst_DrawingFigures::boundingRectFollowsSceneRect()
{
    auto item = drawFigure("rect", QPoint(20, 30), QPoint(150, 100));
    QCOMPARE(item->boundingRect(), QRectF(16, 26, 138, 78)); // grown by line width + 1
    item->onChangeSceneRect(QRectF(0, 0, 100, 50));
    QCOMPARE(item->boundingRect(), QRectF(16, 26, 84, 24));
}

void tst_DrawingFigures::balloonPolygon()
{
    const QPolygonF expected({{10, 20},
                              {10, 100},
                              {35, 100},
                              {35, 120},
                              {60, 100},
                              {110, 100},
                              {110, 20},
                              {10, 20}});
    QCOMPARE(DrawingSpeechBalloonItem::balloonPolygon(QRectF(10, 20, 100, 100)), expected);
}

void tst_DrawingFigures::arrowHead()
{
    auto item = drawFigure("arrow", QPoint(10, 50), QPoint(100, 50));
    auto *arrow = static_cast<DrawingArrowItem *>(item.get());
    const QPolygonF head = arrow->head();
    QCOMPARE(head.size(), 4);
    QCOMPARE(head.first(), QPointF(100, 50));
    QCOMPARE(head.last(), QPointF(100, 50));
    QCOMPARE(sorted(head), sorted(QPolygonF({{100, 50}, {93, 43}, {93, 57}, {100, 50}})));
    // The rectangle takes in the head with a margin of 2.
    QCOMPARE(arrow->rect(), QRectF(10, 41, 92, 18));

    auto upwards = drawFigure("arrow", QPoint(50, 100), QPoint(50, 20));
    QCOMPARE(sorted(static_cast<DrawingArrowItem *>(upwards.get())->head()),
             sorted(QPolygonF({{50, 20}, {43, 27}, {57, 27}, {50, 20}})));
}

void tst_DrawingFigures::paintedPixels_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QPoint>("probe");
    QTest::addColumn<QColor>("expected");

    // Each figure dragged from (20, 20) to (120, 100) with a red line of 3 and a green fill.
    QTest::newRow("rect outline") << "rect" << QPoint(20, 60) << QColor(Qt::red);
    QTest::newRow("rect fill") << "rect" << QPoint(70, 60) << QColor(Qt::green);
    QTest::newRow("rect outside") << "rect" << QPoint(10, 60) << QColor(Qt::white);
    QTest::newRow("circle fill") << "circle" << QPoint(70, 60) << QColor(Qt::green);
    QTest::newRow("circle corner left blank") << "circle" << QPoint(25, 25) << QColor(Qt::white);
    QTest::newRow("balloon body") << "balloon" << QPoint(70, 50) << QColor(Qt::green);
    QTest::newRow("balloon tail") << "balloon" << QPoint(50, 90) << QColor(Qt::green);
    QTest::newRow("balloon beside tail") << "balloon" << QPoint(100, 95) << QColor(Qt::white);
    QTest::newRow("line") << "line" << QPoint(70, 60) << QColor(Qt::red);
    QTest::newRow("beside line") << "line" << QPoint(70, 70) << QColor(Qt::white);
}

void tst_DrawingFigures::paintedPixels()
{
    QFETCH(QString, kind);
    QFETCH(QPoint, probe);
    QFETCH(QColor, expected);

    auto item = drawFigure(kind, QPoint(20, 20), QPoint(120, 100));
    DrawingTestCanvas canvas(QSize(140, 120));
    // After a crop to x < 100 nothing is painted right of it (fill and outline would be).
    item->onChangeSceneRect(QRectF(0, 0, 100, 120));
    canvas.paint(*item);
    QCOMPARE(canvas.at(probe.x(), probe.y()), expected);
    QCOMPARE(canvas.at(110, 60), QColor(Qt::white));
    QCOMPARE(canvas.at(120, 60), QColor(Qt::white));
}

void tst_DrawingFigures::dashedArrowHasSolidHead()
{
    auto item = drawFigure("arrow", QPoint(10, 30), QPoint(150, 30), Qt::DashLine);
    DrawingTestCanvas canvas(QSize(180, 60));
    canvas.paint(*item);

    int gaps = 0;
    for (int x = 12; x < 140; ++x)
        gaps += canvas.at(x, 30) == Qt::white;
    QVERIFY2(gaps > 5, qPrintable(QString("only %1 unpainted shaft pixels").arg(gaps)));
    // Inside the head, and along its back edge where a dashed outline would leave a gap.
    for (int x = 144; x < 150; ++x) {
        for (int y = 30 - (150 - x) + 2; y <= 30 + (150 - x) - 2; ++y)
            QCOMPARE(canvas.at(x, y), QColor(Qt::red));
    }
    for (int y = 24; y <= 27; ++y)
        QCOMPARE(canvas.at(142, y), QColor(Qt::red));
}

KESTREL_TEST(tst_DrawingFigures)
#include "tst_DrawingFigures.moc"
