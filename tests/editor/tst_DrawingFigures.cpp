#include "DrawingTestCanvas.h"
#include "editor/DrawingArrowItem.h"
#include "editor/DrawingCircleItem.h"
#include "editor/DrawingLineItem.h"
#include "editor/DrawingRectItem.h"
#include "editor/DrawingSpeechBalloonItem.h"
#include "support/TestRegistry.h"

#include <QGraphicsScene>
#include <QTest>
#include <memory>

namespace {

// A figure dragged from `from` to `to` and released there, red line of 3, green fill.
std::unique_ptr<DrawingItem> drawFigure(const QString &kind, QPoint from, QPoint to,
                                        bool shift = false, int penStyle = Qt::SolidLine)
{
    const QRectF image(-1000, -1000, 2000, 2000);
    std::unique_ptr<DrawingItem> item;
    if (kind == "line")
        item = std::make_unique<DrawingLineItem>(nullptr, image);
    else if (kind == "arrow")
        item = std::make_unique<DrawingArrowItem>(nullptr, image);
    else if (kind == "rect")
        item = std::make_unique<DrawingRectItem>(nullptr, image);
    else if (kind == "circle")
        item = std::make_unique<DrawingCircleItem>(nullptr, image);
    else
        item = std::make_unique<DrawingSpeechBalloonItem>(nullptr, image);
    item->setStyle(Qt::red, Qt::green, 3, penStyle);
    auto *mouse = dynamic_cast<DrawingInterface *>(item.get());
    mouse->mousePress(from);
    if (!item->shape().isEmpty())
        return nullptr; // nothing may be hit before release
    mouse->mouseMove(from, to, shift);
    mouse->mouseRelease(to, to, shift);
    return item;
}

QPointF endOf(const DrawingItem *item)
{
    if (auto *line = dynamic_cast<const DrawingLineItem *>(item))
        return line->endPoint();
    return static_cast<const DrawingArrowItem *>(item)->endPoint();
}

} // namespace

class tst_DrawingFigures : public QObject
{
    Q_OBJECT

private slots:
    void snapTo45_data();
    void snapTo45();
    void dragRect_data();
    void dragRect();
    void hitShape_data();
    void hitShape();
    void balloonPolygon();
    void arrowHead();
    void paintedPixels_data();
    void paintedPixels();
    void dashedArrowHasSolidHead();
    void growingItemStaysIndexed();
};

void tst_DrawingFigures::snapTo45_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QPoint>("expected");

    // From (0, 0). The limits are sin and cos of 22.5° with four decimals: q = 0.382673
    // is already diagonal and q = 0.923819 already vertical.
    // clang-format off
    QTest::newRow("shallow: horizontal")  << QPoint(100, 30)     << QPoint(100, 0);
    QTest::newRow("middle: diagonal")     << QPoint(100, 80)     << QPoint(100, 100);
    QTest::newRow("steep: vertical")      << QPoint(30, 100)     << QPoint(0, 100);
    QTest::newRow("diagonal up-left")     << QPoint(-70, -50)    << QPoint(-70, -70);
    QTest::newRow("just past horizontal") << QPoint(10000, 4142) << QPoint(10000, 10000);
    QTest::newRow("just vertical")        << QPoint(4144, 10000) << QPoint(0, 10000);
    // clang-format on
}

void tst_DrawingFigures::snapTo45()
{
    QFETCH(QPoint, point);
    QFETCH(QPoint, expected);

    for (const QString kind : {"line", "arrow"}) {
        auto snapped = drawFigure(kind, QPoint(0, 0), point, true);
        auto free = drawFigure(kind, QPoint(0, 0), point, false);
        QCOMPARE(endOf(snapped.get()), QPointF(expected));
        QCOMPARE(endOf(free.get()), QPointF(point));
    }
}

void tst_DrawingFigures::dragRect_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<QRectF>("expected");

    // From (10, 10).
    // clang-format off
    QTest::newRow("down-right")         << QPoint(40, 20)  << false << QRectF(10, 10, 30, 10);
    QTest::newRow("up-left normalised") << QPoint(0, -10)  << false << QRectF(0, -10, 10, 20);
    QTest::newRow("zero width is 1")    << QPoint(10, 50)  << false << QRectF(10, 10, 1, 40);
    QTest::newRow("click is 1 x 1")     << QPoint(10, 10)  << false << QRectF(10, 10, 1, 1);
    QTest::newRow("square down-right")  << QPoint(40, 20)  << true  << QRectF(10, 10, 10, 10);
    QTest::newRow("square down-left")   << QPoint(-20, 40) << true  << QRectF(-20, 10, 30, 30);
    QTest::newRow("square up-left")     << QPoint(0, -30)  << true  << QRectF(0, 0, 10, 10);
    QTest::newRow("square up-right")    << QPoint(60, 5)   << true  << QRectF(10, 5, 5, 5);
    QTest::newRow("square of a line")   << QPoint(10, 40)  << true  << QRectF(10, 10, 1, 1);
    // clang-format on
}

void tst_DrawingFigures::dragRect()
{
    QFETCH(QPoint, point);
    QFETCH(bool, shift);
    QFETCH(QRectF, expected);

    for (const QString kind : {"rect", "circle", "balloon"}) {
        auto item = drawFigure(kind, QPoint(10, 10), point, shift);
        QCOMPARE(item->rect(), expected);
        QCOMPARE(item->boundingRect(), expected.adjusted(-4, -4, 4, 4)); // line width + 1
    }
}

void tst_DrawingFigures::hitShape_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QPoint>("probe");
    QTest::addColumn<int>("imageWidth"); // 100: cropped after drawing
    QTest::addColumn<bool>("hit");

    // clang-format off
    QTest::newRow("line")               << "line"   << QPoint(10, 10) << QPoint(110, 60) << QPoint(60, 35)  << 200 << true;
    QTest::newRow("line on image edge") << "line"   << QPoint(0, 0)   << QPoint(80, 0)   << QPoint(40, 0)   << 200 << true;
    QTest::newRow("line cropped off")   << "line"   << QPoint(10, 10) << QPoint(190, 10) << QPoint(150, 10) << 100 << false;
    QTest::newRow("arrow shaft")        << "arrow"  << QPoint(10, 60) << QPoint(150, 60) << QPoint(80, 60)  << 200 << true;
    QTest::newRow("arrow head wing")    << "arrow"  << QPoint(10, 60) << QPoint(150, 60) << QPoint(144, 53) << 200 << true;
    QTest::newRow("beside arrow shaft") << "arrow"  << QPoint(10, 60) << QPoint(150, 60) << QPoint(80, 64)  << 200 << false;
    QTest::newRow("steep arrow")        << "arrow"  << QPoint(50, 10) << QPoint(55, 110) << QPoint(52, 50)  << 200 << true;
    QTest::newRow("arrow head cropped") << "arrow"  << QPoint(10, 60) << QPoint(150, 60) << QPoint(144, 53) << 100 << false;
    QTest::newRow("circle corner")      << "circle" << QPoint(10, 10) << QPoint(90, 90)  << QPoint(14, 14)  << 200 << false;
    QTest::newRow("beside balloon tail") << "balloon" << QPoint(0, 0) << QPoint(100, 100) << QPoint(90, 95) << 200 << true;
    // clang-format on
}

void tst_DrawingFigures::hitShape()
{
    QFETCH(QString, kind);
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(QPoint, probe);
    QFETCH(int, imageWidth);
    QFETCH(bool, hit);

    auto item = drawFigure(kind, from, to);
    QVERIFY(item);
    item->onChangeSceneRect(QRectF(0, 0, imageWidth, 120));
    // The eraser's probe: the 3 x 3 square round the pointer.
    QCOMPARE(item->shape().intersects(QRectF(probe - QPoint(1, 1), QSizeF(3, 3))), hit);
    QVERIFY(QRectF(0, 0, imageWidth, 120).contains(item->boundingRect()));
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
    auto item = drawFigure("arrow", QPoint(50, 100), QPoint(50, 20));
    // Tip, the two base corners (either way round), tip again.
    QPolygonF head = static_cast<DrawingArrowItem *>(item.get())->head();
    QCOMPARE(head.size(), 4);
    if (head[1].x() > head[2].x())
        std::swap(head[1], head[2]);
    QCOMPARE(head, QPolygonF({{50, 20}, {43, 27}, {57, 27}, {50, 20}}));
    // The rectangle takes in the head with a margin of 2.
    QCOMPARE(item->rect(), QRectF(41, 18, 18, 82));
}

void tst_DrawingFigures::paintedPixels_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QPoint>("probe");
    QTest::addColumn<QColor>("expected");

    // clang-format off
    QTest::newRow("rect outline")    << "rect"    << QPoint(20, 60)  << QColor(Qt::red);
    QTest::newRow("rect fill")       << "rect"    << QPoint(70, 60)  << QColor(Qt::green);
    QTest::newRow("circle corner")   << "circle"  << QPoint(25, 25)  << QColor(Qt::white);
    QTest::newRow("balloon tail")    << "balloon" << QPoint(50, 90)  << QColor(Qt::green);
    QTest::newRow("beside the tail") << "balloon" << QPoint(100, 95) << QColor(Qt::white);
    QTest::newRow("line")            << "line"    << QPoint(70, 60)  << QColor(Qt::red);
    // clang-format on
}

void tst_DrawingFigures::paintedPixels()
{
    QFETCH(QString, kind);
    QFETCH(QPoint, probe);
    QFETCH(QColor, expected);

    auto item = drawFigure(kind, QPoint(20, 20), QPoint(120, 100));
    // Cropped to x < 100: nothing is painted right of it, where fill and outline would be.
    item->onChangeSceneRect(QRectF(0, 0, 100, 120));
    const QImage image = paintedOver(*item, filledImage(QSize(140, 120)));
    QCOMPARE(image.pixelColor(probe), expected);
    QCOMPARE(image.pixelColor(110, 60), QColor(Qt::white));
    QCOMPARE(image.pixelColor(120, 60), QColor(Qt::white));
}

void tst_DrawingFigures::dashedArrowHasSolidHead()
{
    auto item = drawFigure("arrow", QPoint(10, 30), QPoint(150, 30), false, Qt::DashLine);
    const QImage image = paintedOver(*item, filledImage(QSize(180, 60)));
    int gaps = 0;
    for (int x = 12; x < 140; ++x)
        gaps += image.pixelColor(x, 30) == Qt::white;
    QVERIFY2(gaps > 5, "the shaft should be dashed");
    // Inside the head, and along its back edge where a dashed outline would leave a gap.
    for (int x = 144; x < 150; ++x) {
        for (int y = 30 - (150 - x) + 2; y <= 30 + (150 - x) - 2; ++y)
            QCOMPARE(image.pixelColor(x, y), QColor(Qt::red));
    }
    for (int y = 24; y <= 27; ++y)
        QCOMPARE(image.pixelColor(142, y), QColor(Qt::red));
}

void tst_DrawingFigures::growingItemStaysIndexed()
{
    // A scene with the default index finds the item where it has grown to, mid-drag.
    QGraphicsScene scene(0, 0, 200, 200);
    auto *item = new DrawingRectItem(nullptr, scene.sceneRect());
    item->setStyle(Qt::red, Qt::green, 3, Qt::SolidLine);
    item->mousePress(QPoint(10, 10));
    scene.addItem(item);
    QCOMPARE(scene.items(QRectF(0, 0, 20, 20), Qt::IntersectsItemBoundingRect).size(), 1);
    item->mouseMove(QPoint(10, 10), QPoint(150, 150), false);
    QCOMPARE(scene.items(QRectF(140, 140, 5, 5), Qt::IntersectsItemBoundingRect).size(), 1);
}

KESTREL_TEST(tst_DrawingFigures)
#include "tst_DrawingFigures.moc"
