#include "DrawingTestCanvas.h"
#include "editor/DrawingMosaicItem.h"
#include "support/TestRegistry.h"

#include <QTest>

namespace {

// Blue = x, green = y, red = 200: a block's blue and green averages are the truncated
// means of its x and y ranges.
QImage gradient(QSize size, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(size, format);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(200, y, x));
    }
    return image;
}

QVector<int> blueRow(const QImage &image, int y)
{
    QVector<int> values;
    for (int x = 0; x < image.width(); ++x)
        values << qBlue(image.pixel(x, y));
    return values;
}

QVector<int> greenColumn(const QImage &image, int x)
{
    QVector<int> values;
    for (int y = 0; y < image.height(); ++y)
        values << qGreen(image.pixel(x, y));
    return values;
}

const QSize kPicture(40, 30);

} // namespace

class tst_DrawingMosaic : public QObject
{
    Q_OBJECT

private slots:
    void blockLayout_data();
    void blockLayout();
    void whiteStaysWhite_data();
    void whiteStaysWhite();
    void averagesTruncate();
    void alphaByteKept();
    void paintedBlocks_data();
    void paintedBlocks();
    void outlineOnlyWhileDragging();
    void releaseDropsPicture();
    void blockSizeAtLeastOne();
};

void tst_DrawingMosaic::blockLayout_data()
{
    QTest::addColumn<QRect>("region");
    QTest::addColumn<int>("block");
    QTest::addColumn<QVector<int>>("columns"); // blue per column = x average per block

    QTest::newRow("10x10, block 4")
            << QRect(0, 0, 10, 10) << 4 << QVector<int> {1, 1, 1, 1, 5, 5, 5, 5, 8, 8};
    QTest::newRow("block 6") << QRect(0, 0, 10, 10) << 6
                             << QVector<int> {2, 2, 2, 2, 2, 2, 7, 7, 7, 7};
    QTest::newRow("block 9") << QRect(0, 0, 10, 10) << 9
                             << QVector<int> {4, 4, 4, 4, 4, 4, 4, 4, 4, 9};
    QTest::newRow("aligned to the region")
            << QRect(3, 3, 7, 7) << 4 << QVector<int> {4, 4, 4, 4, 8, 8, 8};
    QTest::newRow("block 20") << QRect(0, 0, 12, 12) << 20 << QVector<int>(12, 5);
    QTest::newRow("one pixel") << QRect(6, 6, 1, 1) << 4 << QVector<int> {6};
}

void tst_DrawingMosaic::blockLayout()
{
    QFETCH(QRect, region);
    QFETCH(int, block);
    QFETCH(QVector<int>, columns);

    const QImage source = gradient(QSize(12, 12));
    QImage target(region.size(), source.format());
    DrawingMosaicItem::pixelate(source, region, block, target);
    // The picture is symmetric in x and y, so rows follow the same blocks as columns.
    for (int i = 0; i < region.width(); ++i) {
        QCOMPARE(blueRow(target, i), columns);
        QCOMPARE(greenColumn(target, i), columns);
        QCOMPARE(qRed(target.pixel(i, i)), 200);
    }
}

void tst_DrawingMosaic::whiteStaysWhite_data()
{
    QTest::addColumn<int>("block");

    // The largest sums a block can reach, for every strength and past them.
    for (int block : {1, 4, 6, 9, 15, 16, 17, 40})
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

void tst_DrawingMosaic::averagesTruncate()
{
    QImage source(2, 1, QImage::Format_RGB32);
    source.setPixel(0, 0, qRgb(10, 20, 30));
    source.setPixel(1, 0, qRgb(11, 21, 31));
    QImage target(2, 1, source.format());
    DrawingMosaicItem::pixelate(source, source.rect(), 4, target);
    QCOMPARE(target.pixel(0, 0), qRgb(10, 20, 30));
    QCOMPARE(target.pixel(1, 0), qRgb(10, 20, 30));
}

void tst_DrawingMosaic::alphaByteKept()
{
    QImage source(4, 1, QImage::Format_ARGB32_Premultiplied);
    const QRgb pixels[] = {qRgba(10, 10, 10, 255), qRgba(20, 20, 20, 40), qRgba(0, 0, 0, 0),
                           qRgba(30, 30, 30, 128)};
    for (int x = 0; x < 4; ++x)
        source.setPixel(x, 0, pixels[x]);
    QImage target(4, 1, source.format());
    DrawingMosaicItem::pixelate(source, source.rect(), 4, target);
    for (int x = 0; x < 4; ++x) {
        QCOMPARE(qAlpha(target.pixel(x, 0)), qAlpha(pixels[x]));
        QCOMPARE(qBlue(target.pixel(x, 0)), 15);
    }
}

void tst_DrawingMosaic::paintedBlocks_data()
{
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<int>("block");
    QTest::addColumn<QPoint>("probe");
    QTest::addColumn<QPoint>("expected"); // blue and green of the painted pixel

    QTest::newRow("first block") << QPoint(5, 5) << QPoint(25, 20) << 4 << QPoint(5, 5)
                                 << QPoint(6, 6);
    QTest::newRow("second block") << QPoint(5, 5) << QPoint(25, 20) << 4 << QPoint(9, 5)
                                  << QPoint(10, 6);
    QTest::newRow("narrow last block")
            << QPoint(5, 5) << QPoint(25, 20) << 4 << QPoint(24, 19) << QPoint(22, 18);
    QTest::newRow("left of the area")
            << QPoint(5, 5) << QPoint(25, 20) << 4 << QPoint(4, 5) << QPoint(4, 5);
    QTest::newRow("dragged up-left")
            << QPoint(25, 20) << QPoint(5, 5) << 4 << QPoint(5, 5) << QPoint(6, 6);
    QTest::newRow("block 6") << QPoint(0, 0) << QPoint(12, 12) << 6 << QPoint(7, 7) << QPoint(8, 8);
    QTest::newRow("block 9") << QPoint(0, 0) << QPoint(12, 12) << 9 << QPoint(7, 3) << QPoint(4, 4);
    QTest::newRow("past the bottom-right")
            << QPoint(30, 20) << QPoint(50, 40) << 4 << QPoint(39, 29) << QPoint(38, 28);
    QTest::newRow("from beyond the top-left")
            << QPoint(-5, -5) << QPoint(5, 5) << 4 << QPoint(1, 2) << QPoint(1, 1);
    QTest::newRow("click") << QPoint(7, 7) << QPoint(7, 7) << 4 << QPoint(7, 7) << QPoint(7, 7);
}

void tst_DrawingMosaic::paintedBlocks()
{
    QFETCH(QPoint, press);
    QFETCH(QPoint, release);
    QFETCH(int, block);
    QFETCH(QPoint, probe);
    QFETCH(QPoint, expected);

    const QImage picture = gradient(kPicture);
    DrawingMosaicItem item(nullptr, QRectF(QPointF(0, 0), kPicture), QPixmap::fromImage(picture));
    item.setStyle(Qt::transparent, Qt::transparent, 1, Qt::SolidLine);
    item.setBlockSize(block);
    item.mousePress(press);
    item.mouseMove(press, (press + release) / 2, false);
    item.mouseRelease((press + release) / 2, release, false);

    DrawingTestCanvas canvas(kPicture);
    canvas.image = picture;
    canvas.paint(item);
    QCOMPARE(canvas.at(probe.x(), probe.y()), QColor(200, expected.y(), expected.x()));
}

void tst_DrawingMosaic::outlineOnlyWhileDragging()
{
    const QImage picture = gradient(kPicture);
    DrawingMosaicItem item(nullptr, QRectF(QPointF(0, 0), kPicture), QPixmap::fromImage(picture));
    item.setStyle(Qt::transparent, Qt::transparent, 1, Qt::SolidLine);
    item.mousePress(QPoint(8, 8));
    item.mouseMove(QPoint(8, 8), QPoint(30, 20), false);

    DrawingTestCanvas dragging(kPicture);
    dragging.paint(item);
    const QColor block(200, 9, 21); // the block x 20..23, y 8..11
    QVERIFY(dragging.at(20, 8) != block);
    QVERIFY(dragging.at(20, 8).blue() > 100);
    QVERIFY(!item.isFinished());

    item.mouseRelease(QPoint(30, 20), QPoint(30, 20), false);
    QVERIFY(item.isFinished());
    DrawingTestCanvas released(kPicture);
    released.paint(item);
    QCOMPARE(released.at(20, 8), block);
}

void tst_DrawingMosaic::releaseDropsPicture()
{
    // The Editor hands over a flattened picture made for this item alone.
    const QImage shared = gradient(QSize(64, 48));
    DrawingMosaicItem mosaic(nullptr, QRectF(0, 0, 64, 48), QPixmap::fromImage(shared));
    QVERIFY(!shared.isDetached());
    mosaic.setBlockSize(6);
    mosaic.mousePress(QPoint(10, 10));
    mosaic.mouseMove(QPoint(10, 10), QPoint(40, 30), false);
    const QImage whileDragging = mosaic.mosaic();
    QVERIFY(mosaic.hasSource());
    QVERIFY(!shared.isDetached());

    mosaic.mouseRelease(QPoint(40, 30), QPoint(40, 30), false);
    QVERIFY(!mosaic.hasSource());
    QVERIFY2(shared.isDetached(), "the released mosaic still holds the whole picture");
    QCOMPARE(mosaic.mosaic(), whileDragging);
    QCOMPARE(mosaic.mosaicRect(), QRect(10, 10, 30, 20));

    // A later crop clips the released mosaic like every item.
    mosaic.onChangeSceneRect(QRectF(0, 0, 20, 48));
    DrawingTestCanvas canvas(QSize(64, 48), Qt::black);
    canvas.paint(mosaic);
    QCOMPARE(canvas.at(12, 12), QColor(200, 12, 12));
    QCOMPARE(canvas.at(25, 12), QColor(Qt::black));
}

void tst_DrawingMosaic::blockSizeAtLeastOne()
{
    const QImage picture = gradient(kPicture);
    DrawingMosaicItem item(nullptr, QRectF(QPointF(0, 0), kPicture), QPixmap::fromImage(picture));
    item.setBlockSize(0);
    QCOMPARE(item.blockSize(), 1);
    item.mousePress(QPoint(2, 2));
    item.mouseRelease(QPoint(2, 2), QPoint(12, 9), false);
    QCOMPARE(item.mosaic(), picture.copy(2, 2, 10, 7));
}

KESTREL_TEST(tst_DrawingMosaic)
#include "tst_DrawingMosaic.moc"
