#include "output/GifWriter.h"
#include "support/TestEnvironment.h"
#include "support/TestRegistry.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <gif_lib.h>

namespace {

// What giflib's own decoder reads back from a written file.
struct DecodedGif
{
    bool ok = false;
    QByteArray stamp;
    QSize screen;
    int backgroundIndex = -1;
    bool hasGlobalMap = false;
    int loopCount = -1;
    QVector<int> delays;
    QVector<int> transparentIndices;
    QVector<QRect> frameRects;
    QVector<bool> hasLocalMap;
    QVector<QImage> frames;
};

QImage frameImage(const GifFileType *gif, const SavedImage &saved)
{
    const ColorMapObject *map =
            saved.ImageDesc.ColorMap ? saved.ImageDesc.ColorMap : gif->SColorMap;
    QImage image(saved.ImageDesc.Width, saved.ImageDesc.Height, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const GifColorType &c = map->Colors[saved.RasterBits[y * image.width() + x]];
            image.setPixel(x, y, qRgb(c.Red, c.Green, c.Blue));
        }
    }
    return image;
}

int loopCountOf(const SavedImage &saved)
{
    for (int i = 0; i + 1 < saved.ExtensionBlockCount; ++i) {
        const ExtensionBlock &block = saved.ExtensionBlocks[i];
        if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11
            && memcmp(block.Bytes, "NETSCAPE2.0", 11) == 0) {
            const ExtensionBlock &data = saved.ExtensionBlocks[i + 1];
            if (data.ByteCount == 3 && data.Bytes[0] == 1)
                return data.Bytes[1] | (data.Bytes[2] << 8);
        }
    }
    return -1;
}

DecodedGif decode(const QString &path)
{
    DecodedGif result;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        result.stamp = file.read(6);
    int error = 0;
    GifFileType *gif = DGifOpenFileName(QFile::encodeName(path).constData(), &error);
    if (!gif)
        return result;
    if (DGifSlurp(gif) == GIF_OK) {
        result.ok = true;
        result.screen = QSize(gif->SWidth, gif->SHeight);
        result.backgroundIndex = gif->SBackGroundColor;
        result.hasGlobalMap = gif->SColorMap != nullptr;
        for (int i = 0; i < gif->ImageCount; ++i) {
            const SavedImage &saved = gif->SavedImages[i];
            if (i == 0)
                result.loopCount = loopCountOf(saved);
            GraphicsControlBlock control {};
            DGifSavedExtensionToGCB(gif, i, &control);
            result.delays.append(control.DelayTime);
            result.transparentIndices.append(control.TransparentColor);
            result.frameRects.append(QRect(saved.ImageDesc.Left, saved.ImageDesc.Top,
                                           saved.ImageDesc.Width, saved.ImageDesc.Height));
            result.hasLocalMap.append(saved.ImageDesc.ColorMap != nullptr);
            result.frames.append(frameImage(gif, saved));
        }
    }
    DGifCloseFile(gif, &error);
    return result;
}

// Flat colours in stripes that change every column and row, so a skewed row shows. They lie
// on the fixed palette of the default colour reduction, so they come back unchanged.
QImage stripes(const QSize &size)
{
    const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 153, 0), qRgb(0, 0, 255), qRgb(255, 255, 0),
                            qRgb(0, 0, 0)};
    QImage image(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, colours[(x + 2 * y) % 5]);
    }
    return image;
}

// Accepts a fixed number of bytes, then refuses every write.
class FailingDevice : public QIODevice
{
public:
    explicit FailingDevice(qint64 capacity) : capacity_(capacity) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 length) override
    {
        if (written_ + length > capacity_)
            return -1;
        written_ += length;
        return length;
    }

private:
    qint64 capacity_;
    qint64 written_ = 0;
};

} // namespace

class TestGifWriter : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        dir_.reset(new QTemporaryDir(TestEnvironment::tempDir() + "/gif-XXXXXX"));
        QVERIFY(dir_->isValid());
    }

    void singleFrameKeepsSizeAndPixels_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("101x50") << QSize(101, 50);
        QTest::newRow("width multiple of four") << QSize(100, 7);
        QTest::newRow("one pixel") << QSize(1, 1);
        QTest::newRow("odd narrow") << QSize(3, 9);
    }
    void singleFrameKeepsSizeAndPixels()
    {
        QFETCH(QSize, size);
        const QImage source = stripes(size);
        GifWriter writer;
        writer.addFrame(source);
        const QString path = dir_->filePath("single.gif");
        QVERIFY(writer.save(path));

        const DecodedGif gif = decode(path);
        QVERIFY(gif.ok);
        QCOMPARE(gif.stamp, QByteArray("GIF89a"));
        QCOMPARE(gif.screen, size);
        QCOMPARE(gif.loopCount, 0);
        QCOMPARE(gif.delays, QVector<int> {100});
        QCOMPARE(gif.transparentIndices, QVector<int> {NO_TRANSPARENT_COLOR});
        QCOMPARE(gif.frames.size(), 1);
        QCOMPARE(gif.frames.first(), source.convertToFormat(QImage::Format_RGB32));
    }

    void loopAndDelay_data()
    {
        QTest::addColumn<int>("loopCount");
        QTest::addColumn<int>("defaultDelay");
        QTest::addColumn<int>("frameDelay");
        QTest::addColumn<int>("expectedDelay");
        QTest::newRow("defaults") << 0 << 1000 << -1 << 100;
        QTest::newRow("own delay truncated") << 3 << 1000 << 259 << 25;
        QTest::newRow("default delay truncated") << 0 << 19 << -1 << 1;
        QTest::newRow("loop count above a byte") << 300 << 1000 << 40 << 4;
        QTest::newRow("largest loop count") << 65535 << 1000 << 0 << 0;
    }
    void loopAndDelay()
    {
        QFETCH(int, loopCount);
        QFETCH(int, defaultDelay);
        QFETCH(int, frameDelay);
        QFETCH(int, expectedDelay);
        GifWriter writer;
        writer.setLoopCount(loopCount);
        writer.setDefaultDelay(defaultDelay);
        writer.addFrame(stripes(QSize(8, 8)), frameDelay);
        const QString path = dir_->filePath("loop.gif");
        QVERIFY(writer.save(path));
        const DecodedGif gif = decode(path);
        QVERIFY(gif.ok);
        QCOMPARE(gif.loopCount, loopCount);
        QCOMPARE(gif.delays, QVector<int> {expectedDelay});
    }

    void framesWithOffsetsSpanTheCanvas()
    {
        GifWriter writer;
        QImage first = stripes(QSize(10, 4));
        QImage second = stripes(QSize(3, 20));
        second.setOffset(QPoint(15, 2));
        writer.addFrame(first, 70);
        writer.addFrame(second);
        const QString path = dir_->filePath("frames.gif");
        QVERIFY(writer.save(path));
        const DecodedGif gif = decode(path);
        QVERIFY(gif.ok);
        QCOMPARE(gif.screen, QSize(18, 22));
        QCOMPARE(gif.frameRects, (QVector<QRect> {QRect(0, 0, 10, 4), QRect(15, 2, 3, 20)}));
        QCOMPARE(gif.delays, (QVector<int> {7, 100}));
        QCOMPARE(gif.frames.at(1), second.convertToFormat(QImage::Format_RGB32));
    }

    void manyColoursAreReduced()
    {
        QImage gradient(64, 64, QImage::Format_RGB32);
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x)
                gradient.setPixel(x, y, qRgb(x * 4, y * 4, (x + y) * 2));
        }
        GifWriter writer;
        writer.addFrame(gradient);
        const QString path = dir_->filePath("gradient.gif");
        QVERIFY(writer.save(path));
        const DecodedGif gif = decode(path);
        QVERIFY(gif.ok);
        QSet<QRgb> colours;
        const QImage &frame = gif.frames.first();
        for (int y = 0; y < frame.height(); ++y) {
            for (int x = 0; x < frame.width(); ++x)
                colours.insert(frame.pixel(x, y));
        }
        QVERIFY(colours.size() > 16);
        QVERIFY(colours.size() <= 256);
    }

    void globalTableReplacesLocalMaps()
    {
        const QVector<QRgb> table {qRgb(255, 0, 0), qRgb(0, 153, 0), qRgb(0, 0, 255),
                                   qRgb(255, 255, 0), qRgb(0, 0, 0)};
        GifWriter writer;
        writer.setGlobalColorTable(table);
        writer.setBackgroundColor(QColor(0, 0, 255));
        writer.setDefaultTransparentColor(QColor(255, 255, 0));
        writer.addFrame(stripes(QSize(12, 5)));
        const QString path = dir_->filePath("global.gif");
        QVERIFY(writer.save(path));
        const DecodedGif gif = decode(path);
        QVERIFY(gif.ok);
        QVERIFY(gif.hasGlobalMap);
        QCOMPARE(gif.hasLocalMap, QVector<bool> {false});
        QCOMPARE(gif.backgroundIndex, 2);
        QCOMPARE(gif.transparentIndices, QVector<int> {3});
        QCOMPARE(gif.frames.first(), stripes(QSize(12, 5)).convertToFormat(QImage::Format_RGB32));
    }

    void transparentColourIndex_data()
    {
        QTest::addColumn<QColor>("frameColour");
        QTest::addColumn<QColor>("defaultColour");
        QTest::addColumn<bool>("found");
        QTest::newRow("own colour") << QColor(0, 0, 255) << QColor() << true;
        QTest::newRow("default colour") << QColor() << QColor(0, 0, 255) << true;
        QTest::newRow("own colour wins") << QColor(0, 0, 255) << QColor(1, 2, 3) << true;
        QTest::newRow("absent colour") << QColor(1, 2, 3) << QColor() << false;
        QTest::newRow("none") << QColor() << QColor() << false;
    }
    void transparentColourIndex()
    {
        QFETCH(QColor, frameColour);
        QFETCH(QColor, defaultColour);
        QFETCH(bool, found);
        QImage indexed = stripes(QSize(10, 10)).convertToFormat(QImage::Format_Indexed8);
        GifWriter writer;
        writer.setDefaultTransparentColor(defaultColour);
        writer.addFrame(indexed);
        writer.setFrameTransparentColor(0, frameColour);
        const QString path = dir_->filePath("transparent.gif");
        QVERIFY(writer.save(path));
        const DecodedGif gif = decode(path);
        QVERIFY(gif.ok);
        const int expected = found ? indexed.colorTable().indexOf(qRgb(0, 0, 255)) : -1;
        QVERIFY(!found || expected >= 0);
        QCOMPARE(gif.transparentIndices, QVector<int> {expected});
    }

    void failuresWriteNothing_data()
    {
        QTest::addColumn<QString>("relativePath");
        QTest::newRow("missing folder") << "no/such/folder/x.gif";
        QTest::newRow("target is a folder") << "folder";
    }
    void failuresWriteNothing()
    {
        QFETCH(QString, relativePath);
        QVERIFY(QDir(dir_->path()).mkpath("folder"));
        GifWriter writer;
        writer.addFrame(stripes(QSize(4, 4)));
        QVERIFY(!writer.save(dir_->filePath(relativePath)));
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList());
    }

    void nothingToWriteFails_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<QPoint>("offset");
        QTest::newRow("null image") << QImage() << QPoint();
        QTest::newRow("wider than a GIF") << QImage(70000, 1, QImage::Format_RGB32) << QPoint();
        QTest::newRow("offset past a GIF")
                << QImage(2, 2, QImage::Format_RGB32) << QPoint(65535, 0);
    }
    void nothingToWriteFails()
    {
        QFETCH(QImage, image);
        QFETCH(QPoint, offset);
        image.fill(Qt::white);
        image.setOffset(offset);
        GifWriter writer;
        writer.addFrame(image);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(!writer.save(&buffer));
        QVERIFY(!GifWriter().save(&buffer));
    }

    void shortWritesFail_data()
    {
        QTest::addColumn<qint64>("capacity");
        QTest::newRow("nothing accepted") << qint64(0);
        QTest::newRow("header only") << qint64(13);
        QTest::newRow("all but the trailer") << qint64(-1);
    }
    void shortWritesFail()
    {
        QFETCH(qint64, capacity);
        GifWriter writer;
        writer.addFrame(stripes(QSize(40, 40)));
        QBuffer whole;
        whole.open(QIODevice::WriteOnly);
        QVERIFY(writer.save(&whole));
        FailingDevice device(capacity >= 0 ? capacity : whole.size() - 1);
        QVERIFY(!writer.save(&device));
    }

    void readOnlyDeviceFails()
    {
        GifWriter writer;
        writer.addFrame(stripes(QSize(4, 4)));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QVERIFY(!writer.save(&buffer));
        QVERIFY(!writer.save(static_cast<QIODevice *>(nullptr)));
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

KESTREL_TEST(TestGifWriter)
#include "tst_GifWriter.moc"
