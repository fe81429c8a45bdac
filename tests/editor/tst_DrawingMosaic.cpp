#include "DrawingTestCanvas.h"
#include "editor/DrawingMosaicItem.h"
#include "support/TestRegistry.h"

#include <QTest>

namespace {

using Values = QVector<int>;

// Blue = x, green = y, red = 200: a block's blue and green averages are the truncated
// means of its x and y ranges.
QImage gradient(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(200, y, x));
    }
    return image;
}

} // namespace

class tst_DrawingMosaic : public QObject
{
    Q_OBJECT

private slots:
    void blockLayout_data();
    void blockLayout();
    void whiteStaysWhite_data();
    void whiteStaysWhite();
    void averagesTruncateAndKeepAlpha();
    void paintedBlocks_data();
    void paintedBlocks();
    void releaseKeepsOnlyTheRegion();
};

void tst_DrawingMosaic::blockLayout_data()
{
    QTest::addColumn<QRect>("region");
    QTest::addColumn<int>("block");
    QTest::addColumn<Values>("averages"); // per column and, alike, per row

    // clang-format off
    QTest::newRow("10x10, block 4") << QRect(0, 0, 10, 10) << 4  << Values{1, 1, 1, 1, 5, 5, 5, 5, 8, 8};
    QTest::newRow("block 6")        << QRect(0, 0, 10, 10) << 6  << Values{2, 2, 2, 2, 2, 2, 7, 7, 7, 7};
    QTest::newRow("block 9")        << QRect(0, 0, 10, 10) << 9  << Values{4, 4, 4, 4, 4, 4, 4, 4, 4, 9};
    QTest::newRow("block 20")       << QRect(0, 0, 12, 12) << 20 << Values(12, 5);
    QTest::newRow("region offset")  << QRect(3, 3, 7, 7)   << 4  << Values{4, 4, 4, 4, 8, 8, 8};
    QTest::newRow("one pixel")      << QRect(6, 6, 1, 1)   << 4  << Values{6};
    // clang-format on
}

void tst_DrawingMosaic::blockLayout()
{
    QFETCH(QRect, region);
    QFETCH(int, block);
    QFETCH(Values, averages);

    QImage target(region.size(), QImage::Format_RGB32);
    DrawingMosaicItem::pixelate(gradient(QSize(12, 12)), region, block, target);
    for (int y = 0; y < region.height(); ++y) {
        for (int x = 0; x < region.width(); ++x)
            QCOMPARE(target.pixel(x, y), qRgb(200, averages[y], averages[x]));
    }
}

void tst_DrawingMosaic::whiteStaysWhite_data()
{
    QTest::addColumn<int>("block");

    // The largest sums a block can reach, for every strength and past them.
    for (int block : {1, 4, 6, 9, 16, 17, 40})
        QTest::addRow("block %d", block) << block;
}

void tst_DrawingMosaic::whiteStaysWhite()
{
    QFETCH(int, block);

    QImage source(45, 45, QImage::Format_ARGB32_Premultiplied);
    source.fill(0xffffffffu);
    QImage target(source.size(), source.format());
    DrawingMosaicItem::pixelate(source, source.rect(), block, target);
    QCOMPARE(target, source);
}

void tst_DrawingMosaic::averagesTruncateAndKeepAlpha()
{
    QImage source(2, 1, QImage::Format_ARGB32);
    source.setPixel(0, 0, qRgba(10, 20, 30, 200));
    source.setPixel(1, 0, qRgba(11, 21, 31, 90));
    QImage target(2, 1, source.format());
    DrawingMosaicItem::pixelate(source, source.rect(), 4, target);
    QCOMPARE(target.pixel(0, 0), qRgba(10, 20, 30, 200));
    QCOMPARE(target.pixel(1, 0), qRgba(10, 20, 30, 90));
}

void tst_DrawingMosaic::paintedBlocks_data()
{
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<int>("block");
    QTest::addColumn<QPoint>("probe");
    QTest::addColumn<QPoint>("expected"); // blue and green of the painted pixel

    // clang-format off
    QTest::newRow("first block")       << QPoint(5, 5)   << QPoint(25, 20) << 4 << QPoint(5, 5)   << QPoint(6, 6);
    QTest::newRow("narrow last block") << QPoint(5, 5)   << QPoint(25, 20) << 4 << QPoint(24, 19) << QPoint(22, 18);
    QTest::newRow("left of the area")  << QPoint(5, 5)   << QPoint(25, 20) << 4 << QPoint(4, 5)   << QPoint(4, 5);
    QTest::newRow("block 9")           << QPoint(0, 0)   << QPoint(12, 12) << 9 << QPoint(7, 3)   << QPoint(4, 4);
    QTest::newRow("past bottom-right") << QPoint(30, 20) << QPoint(50, 40) << 4 << QPoint(39, 29) << QPoint(38, 28);
    QTest::newRow("from beyond top-left") << QPoint(-5, -5) << QPoint(5, 5) << 4 << QPoint(1, 2) << QPoint(1, 1);
    QTest::newRow("click")             << QPoint(7, 7)   << QPoint(7, 7)   << 4 << QPoint(7, 7)   << QPoint(7, 7);
    QTest::newRow("block 0 means 1")   << QPoint(0, 0)   << QPoint(12, 12) << 0 << QPoint(7, 3)   << QPoint(7, 3);
    // clang-format on
}

void tst_DrawingMosaic::paintedBlocks()
{
    QFETCH(QPoint, press);
    QFETCH(QPoint, release);
    QFETCH(int, block);
    QFETCH(QPoint, probe);
    QFETCH(QPoint, expected);

    const QImage picture = gradient(QSize(40, 30));
    DrawingMosaicItem item(nullptr, picture.rect(), QPixmap::fromImage(picture));
    item.setStyle(Qt::transparent, Qt::transparent, 1, Qt::SolidLine);
    item.setBlockSize(block);
    item.mousePress(press);
    item.mouseMove(press, (press + release) / 2, false);
    item.mouseRelease((press + release) / 2, release, false);

    QCOMPARE(paintedOver(item, picture).pixelColor(probe), QColor(200, expected.y(), expected.x()));
}

void tst_DrawingMosaic::releaseKeepsOnlyTheRegion()
{
    // The Editor hands over a flattened picture made for this item alone.
    const QImage picture = gradient(QSize(64, 48));
    DrawingMosaicItem item(nullptr, picture.rect(), QPixmap::fromImage(picture));
    QVERIFY(!picture.isDetached());
    item.setStyle(Qt::transparent, Qt::transparent, 1, Qt::SolidLine);
    item.setBlockSize(6);
    item.mousePress(QPoint(10, 10));
    item.mouseMove(QPoint(10, 10), QPoint(40, 30), false);
    const QImage whileDragging = item.mosaic();
    const QColor block(200, 12, 24); // x 22..27, y 10..15
    QVERIFY2(paintedOver(item, picture).pixelColor(22, 10) != block,
             "a blue outline marks the area while dragging");

    item.mouseRelease(QPoint(40, 30), QPoint(40, 30), false);
    QVERIFY(!item.hasSource());
    QVERIFY2(picture.isDetached(), "the released mosaic still holds the whole picture");
    QCOMPARE(item.mosaic(), whileDragging);
    QCOMPARE(item.mosaicRect(), QRect(10, 10, 30, 20));

    // A later crop clips it like every item.
    item.onChangeSceneRect(QRectF(0, 0, 25, 48));
    const QImage cropped = paintedOver(item, filledImage(picture.size(), Qt::black));
    QCOMPARE(cropped.pixelColor(22, 10), block);
    QCOMPARE(cropped.pixelColor(26, 12), QColor(Qt::black));
}

KESTREL_TEST(tst_DrawingMosaic)
#include "tst_DrawingMosaic.moc"
