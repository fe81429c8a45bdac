#include "editor/DrawingArrowItem.h"
#include "editor/DrawingCircleItem.h"
#include "editor/DrawingHighlighterItem.h"
#include "editor/DrawingLineItem.h"
#include "editor/DrawingMosaicItem.h"
#include "editor/DrawingRectItem.h"
#include "editor/DrawingSpeechBalloonItem.h"
#include "editor/MosaicPixelator.h"
#include "tests/editor/EditorTestSupport.h"

#include <QTest>

using namespace EditorTestSupport;

namespace {

using Points = QVector<QPoint>;
using Values = QVector<int>;

// An item of `kind` pressed at the first point, moved through the inner ones and released at
// the last; yellow line of 3, green fill.
std::unique_ptr<DrawingItem> drawn(const QString &kind, const Points &points, bool shift = false,
                                   int penStyle = Qt::SolidLine)
{
    const QRectF image(-20000, -20000, 40000, 40000);
    std::unique_ptr<DrawingItem> item;
    if (kind == "line")
        item = std::make_unique<DrawingLineItem>(nullptr, image);
    else if (kind == "arrow")
        item = std::make_unique<DrawingArrowItem>(nullptr, image);
    else if (kind == "rect")
        item = std::make_unique<DrawingRectItem>(nullptr, image);
    else if (kind == "circle")
        item = std::make_unique<DrawingCircleItem>(nullptr, image);
    else if (kind == "pen")
        item = std::make_unique<DrawingPenItem>(nullptr, image);
    else if (kind == "highlighter")
        item = std::make_unique<DrawingHighlighterItem>(nullptr, image);
    else
        item = std::make_unique<DrawingSpeechBalloonItem>(nullptr, image);
    item->setStyle(QColor(255, 255, 0), Qt::green, 3, penStyle);
    auto *mouse = dynamic_cast<DrawingInterface *>(item.get());
    mouse->mousePress(points.first());
    for (int i = 1; i + 1 < points.size(); ++i)
        mouse->mouseMove(points[i - 1], points[i], shift);
    mouse->mouseRelease(points[qMax(0, points.size() - 2)], points.last(), shift);
    return item;
}

} // namespace

class TestDrawingItems : public QObject
{
    Q_OBJECT

private slots:
    void dragGeometry_data()
    {
        QTest::addColumn<QString>("kinds");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<QRectF>("expected");
        // From (0, 0). The snapping limits are sin and cos of 22.5° with four decimals:
        // q = 0.382673 is already diagonal and q = 0.923819 already vertical.
        const QString boxes = "rect circle balloon";
        // clang-format off
        QTest::newRow("line not snapped")     << "line" << QPoint(100, 30)     << false << QRectF(0, 0, 100, 30);
        QTest::newRow("shallow: horizontal")  << "line" << QPoint(100, 30)     << true  << QRectF(0, 0, 100, 0);
        QTest::newRow("middle: diagonal")     << "line" << QPoint(100, 80)     << true  << QRectF(0, 0, 100, 100);
        QTest::newRow("steep: vertical")      << "line" << QPoint(30, 100)     << true  << QRectF(0, 0, 0, 100);
        QTest::newRow("diagonal up-left")     << "line" << QPoint(-70, -50)    << true  << QRectF(-70, -70, 70, 70);
        QTest::newRow("just past horizontal") << "line" << QPoint(10000, 4142) << true  << QRectF(0, 0, 10000, 10000);
        QTest::newRow("just vertical")        << "line" << QPoint(4144, 10000) << true  << QRectF(0, 0, 0, 10000);
        QTest::newRow("up-left normalised")   << boxes  << QPoint(-10, -20)    << false << QRectF(-10, -20, 10, 20);
        QTest::newRow("zero width is 1")      << boxes  << QPoint(0, 40)       << false << QRectF(0, 0, 1, 40);
        QTest::newRow("click is 1 x 1")       << boxes  << QPoint(0, 0)        << false << QRectF(0, 0, 1, 1);
        QTest::newRow("square down-left")     << boxes  << QPoint(-30, 30)     << true  << QRectF(-30, 0, 30, 30);
        QTest::newRow("square up-right")      << boxes  << QPoint(50, -5)      << true  << QRectF(0, -5, 5, 5);
        QTest::newRow("square of a line")     << boxes  << QPoint(0, 30)       << true  << QRectF(0, 0, 1, 1);
        // clang-format on
    }
    void dragGeometry()
    {
        QFETCH(QString, kinds);
        QFETCH(QPoint, point);
        QFETCH(bool, shift);
        QFETCH(QRectF, expected);
        for (const QString &kind : kinds.split(' ')) {
            auto item = drawn(kind, {{0, 0}, point}, shift);
            QCOMPARE(item->rect(), expected);
        }
    }

    void hitShape_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<Points>("points");
        QTest::addColumn<QPoint>("probe");
        QTest::addColumn<int>("imageWidth"); // 100: cropped after drawing
        QTest::addColumn<bool>("hit");
        // clang-format off
        QTest::newRow("line")               << "line"    << Points{{10, 10}, {110, 60}} << QPoint(60, 35)  << 200 << true;
        QTest::newRow("line on image edge") << "line"    << Points{{0, 0}, {80, 0}}     << QPoint(40, 0)   << 200 << true;
        QTest::newRow("line cropped off")   << "line"    << Points{{10, 10}, {190, 10}} << QPoint(150, 10) << 100 << false;
        QTest::newRow("arrow shaft")        << "arrow"   << Points{{10, 60}, {150, 60}} << QPoint(80, 60)  << 200 << true;
        QTest::newRow("arrow head wing")    << "arrow"   << Points{{10, 60}, {150, 60}} << QPoint(144, 53) << 200 << true;
        QTest::newRow("beside arrow shaft") << "arrow"   << Points{{10, 60}, {150, 60}} << QPoint(80, 64)  << 200 << false;
        QTest::newRow("steep arrow")        << "arrow"   << Points{{50, 10}, {55, 110}} << QPoint(52, 50)  << 200 << true;
        QTest::newRow("arrow head cropped") << "arrow"   << Points{{10, 60}, {150, 60}} << QPoint(144, 53) << 100 << false;
        QTest::newRow("circle corner")      << "circle"  << Points{{10, 10}, {90, 90}}  << QPoint(14, 14)  << 200 << false;
        QTest::newRow("beside balloon tail") << "balloon" << Points{{0, 0}, {100, 100}} << QPoint(90, 95)  << 200 << true;
        QTest::newRow("pen: box, off line") << "pen"     << Points{{10, 10}, {60, 60}}  << QPoint(55, 15)  << 200 << true;
        QTest::newRow("pen: outside box")   << "pen"     << Points{{10, 10}, {60, 60}}  << QPoint(70, 15)  << 200 << false;
        QTest::newRow("pen doubling back")  << "pen"     << Points{{10, 10}, {40, 40}, {10, 10}} << QPoint(30, 15) << 200 << true;
        QTest::newRow("pen beyond image")   << "pen"     << Points{{150, 10}, {190, 40}} << QPoint(170, 20) << 100 << true;
        QTest::newRow("pen click")          << "pen"     << Points{{20, 20}}            << QPoint(21, 21)  << 200 << true;
        QTest::newRow("beside a pen click") << "pen"     << Points{{20, 20}}            << QPoint(23, 20)  << 200 << false;
        // clang-format on
    }
    void hitShape()
    {
        QFETCH(QString, kind);
        QFETCH(Points, points);
        QFETCH(QPoint, probe);
        QFETCH(int, imageWidth);
        auto item = drawn(kind, points);
        item->onChangeSceneRect(QRectF(0, 0, imageWidth, 120));
        // The eraser's probe: the 3 x 3 square round the pointer.
        QTEST(item->shape().intersects(QRectF(probe - QPoint(1, 1), QSizeF(3, 3))), "hit");
        const QRectF bounds = item->boundingRect();
        QCOMPARE(bounds.intersected(QRectF(0, 0, imageWidth, 120)), bounds);
    }

    void paintedPixels_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<Points>("points");
        QTest::addColumn<int>("penStyle");
        QTest::addColumn<QColor>("below");
        QTest::addColumn<QRect>("area"); // where every pixel is `expected`
        QTest::addColumn<QColor>("expected");
        const Points box = {{20, 20}, {120, 100}};
        const Points stroke = {{10, 30}, {60, 30}, {130, 30}};
        const QColor white(Qt::white), yellow(255, 255, 0), blue(0, 0, 255), black(Qt::black);
        const int solid = Qt::SolidLine;
        // All are cropped to x < 100 after drawing.
        // clang-format off
        QTest::newRow("rect outline")       << "rect"    << box << solid << white << QRect(20, 40, 1, 40) << yellow;
        QTest::newRow("rect fill")          << "rect"    << box << solid << white << QRect(30, 30, 60, 60) << QColor(Qt::green);
        QTest::newRow("circle corner")      << "circle"  << box << solid << white << QRect(25, 25, 1, 1) << white;
        QTest::newRow("balloon tail")       << "balloon" << box << solid << white << QRect(50, 90, 1, 1) << QColor(Qt::green);
        QTest::newRow("beside the tail")    << "balloon" << box << solid << white << QRect(90, 95, 1, 1) << white;
        QTest::newRow("line")               << "line"    << box << solid << white << QRect(70, 60, 1, 1) << yellow;
        QTest::newRow("dashed arrow: gap")  << "arrow" << Points{{10, 30}, {90, 30}} << int(Qt::DashLine) << white << QRect(24, 30, 2, 1) << white;
        QTest::newRow("dashed arrow: solid head") << "arrow" << Points{{10, 30}, {90, 30}} << int(Qt::DashLine) << white << QRect(84, 28, 3, 5) << yellow;
        QTest::newRow("head's back edge")   << "arrow" << Points{{10, 30}, {90, 30}} << int(Qt::DashLine) << white << QRect(82, 24, 1, 4) << yellow;
        QTest::newRow("dashed pen: solid")  << "pen"         << stroke << int(Qt::DashLine) << white << QRect(12, 30, 87, 1) << yellow;
        QTest::newRow("pen cropped")        << "pen"         << stroke << solid << white << QRect(101, 30, 30, 1) << white;
        QTest::newRow("highlighter: blue")  << "highlighter" << stroke << solid << blue  << QRect(12, 30, 87, 1) << black;
        QTest::newRow("darker per channel") << "highlighter" << stroke << solid << QColor(100, 150, 200) << QRect(50, 30, 1, 1) << QColor(100, 150, 0);
        QTest::newRow("highlighter dot")    << "highlighter" << Points{{50, 30}} << solid << blue << QRect(50, 30, 1, 1) << black;
        QTest::newRow("beside the stroke")  << "highlighter" << stroke << solid << blue << QRect(12, 10, 87, 1) << blue;
        // clang-format on
    }
    void paintedPixels()
    {
        QFETCH(QString, kind);
        QFETCH(Points, points);
        QFETCH(int, penStyle);
        QFETCH(QColor, below);
        QFETCH(QRect, area);
        QFETCH(QColor, expected);
        auto item = drawn(kind, points, false, penStyle);
        item->onChangeSceneRect(QRectF(0, 0, 100, 120));
        const QImage once = paintedOver(*item, filledImage(QSize(140, 120), below));
        // The view paints the items again over the flattened picture.
        for (const QImage &image : {once, paintedOver(*item, once)}) {
            for (int y = area.top(); y <= area.bottom(); ++y) {
                for (int x = area.left(); x <= area.right(); ++x)
                    QCOMPARE(image.pixelColor(x, y), expected);
            }
        }
    }

    void mosaicBlockLayout_data()
    {
        QTest::addColumn<QRect>("region");
        QTest::addColumn<int>("block");
        QTest::addColumn<Values>("averages"); // per column and, alike, per row
        // clang-format off
        QTest::newRow("10x10, block 4") << QRect(0, 0, 10, 10) << 4  << Values{1, 1, 1, 1, 5, 5, 5, 5, 8, 8};
        QTest::newRow("block 6")        << QRect(0, 0, 10, 10) << 6  << Values{2, 2, 2, 2, 2, 2, 7, 7, 7, 7};
        QTest::newRow("block 9")        << QRect(0, 0, 10, 10) << 9  << Values{4, 4, 4, 4, 4, 4, 4, 4, 4, 9};
        QTest::newRow("region offset")  << QRect(3, 3, 7, 7)   << 4  << Values{4, 4, 4, 4, 8, 8, 8};
        QTest::newRow("one pixel")      << QRect(6, 6, 1, 1)   << 4  << Values{6};
        QTest::newRow("block 16")       << QRect(0, 0, 12, 12) << 16 << Values(12, 5);
        QTest::newRow("block 17")       << QRect(0, 0, 12, 12) << 17 << Values(12, 5);
        // clang-format on
    }
    void mosaicBlockLayout()
    {
        QFETCH(QRect, region);
        QFETCH(int, block);
        QFETCH(Values, averages);
        QImage target(region.size(), QImage::Format_RGB32);
        MosaicPixelator::pixelate(gradientCapture(QSize(12, 12)), region, block, target);
        for (int y = 0; y < region.height(); ++y) {
            for (int x = 0; x < region.width(); ++x)
                QCOMPARE(target.pixel(x, y), qRgb(200, averages[y], averages[x]));
        }
        // The largest sums a block can reach; the alpha byte stays each pixel's own.
        QImage white(45, 45, QImage::Format_ARGB32);
        for (int y = 0; y < 45; ++y) {
            for (int x = 0; x < 45; ++x)
                white.setPixel(x, y, qRgba(255, 255, 255, 255 - (x + 3 * y) % 7 * 40));
        }
        QImage pixelated(white.size(), white.format());
        MosaicPixelator::pixelate(white, white.rect(), block, pixelated);
        QCOMPARE(pixelated, white);
    }

    void mosaicPaintedBlocks_data()
    {
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<QPoint>("release");
        QTest::addColumn<int>("block");
        QTest::addColumn<int>("cropWidth"); // after release
        QTest::addColumn<QPoint>("probe");
        QTest::addColumn<QPoint>("expected"); // blue and green of the painted pixel
        // clang-format off
        QTest::newRow("left of the area")     << QPoint(5, 5)   << QPoint(25, 20) << 4 << 40 << QPoint(4, 5)   << QPoint(4, 5);
        QTest::newRow("past bottom-right")    << QPoint(30, 20) << QPoint(50, 40) << 4 << 40 << QPoint(39, 29) << QPoint(38, 28);
        QTest::newRow("from beyond top-left") << QPoint(-5, -5) << QPoint(5, 5)   << 4 << 40 << QPoint(1, 2)   << QPoint(1, 1);
        QTest::newRow("click")                << QPoint(7, 7)   << QPoint(7, 7)   << 4 << 40 << QPoint(7, 7)   << QPoint(7, 7);
        QTest::newRow("block 0 means 1")      << QPoint(0, 0)   << QPoint(12, 12) << 0 << 40 << QPoint(7, 3)   << QPoint(7, 3);
        QTest::newRow("inside a later crop")  << QPoint(10, 10) << QPoint(40, 30) << 6 << 25 << QPoint(22, 10) << QPoint(24, 12);
        QTest::newRow("outside a later crop") << QPoint(10, 10) << QPoint(40, 30) << 6 << 25 << QPoint(26, 12) << QPoint(26, 12);
        // clang-format on
    }
    void mosaicPaintedBlocks()
    {
        QFETCH(QPoint, press);
        QFETCH(QPoint, release);
        QFETCH(int, block);
        QFETCH(int, cropWidth);
        QFETCH(QPoint, probe);
        QFETCH(QPoint, expected);
        // The Editor hands over a flattened picture made for this item alone.
        const QImage picture = gradientCapture(QSize(40, 30));
        DrawingMosaicItem item(nullptr, picture.rect(), QPixmap::fromImage(picture));
        QVERIFY(!picture.isDetached());
        item.setBlockSize(block);
        item.mousePress(press);
        item.mouseMove(press, (press + release) / 2, false);
        item.mouseRelease((press + release) / 2, release, false);
        QVERIFY2(picture.isDetached(), "the released mosaic still holds the whole picture");
        item.onChangeSceneRect(QRectF(0, 0, cropWidth, 30));
        QCOMPARE(paintedOver(item, picture).pixelColor(probe),
                 QColor(200, expected.y(), expected.x()));
    }
};

QTEST_MAIN(TestDrawingItems)
#include "tst_DrawingItems.moc"
