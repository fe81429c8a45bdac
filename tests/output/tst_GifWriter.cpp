#include "output/GifWriter.h"
#include "support/TestEnvironment.h"
#include "support/TestRegistry.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <gif_lib.h>
#include <memory>

namespace {

// The header, screen, loop count and delay of a GIF of one frame, as giflib's decoder reads
// them: "GIF89a 101x50 loops 0 delay 100".
QString gifFacts(const QString &path)
{
    QFile file(path);
    const QByteArray stamp = file.open(QIODevice::ReadOnly) ? file.read(6) : QByteArray();
    int error = 0;
    GifFileType *gif = DGifOpenFileName(QFile::encodeName(path).constData(), &error);
    if (!gif)
        return "unreadable";
    QString facts = "unreadable";
    GraphicsControlBlock control {};
    if (DGifSlurp(gif) == GIF_OK && gif->ImageCount == 1
        && DGifSavedExtensionToGCB(gif, 0, &control) == GIF_OK) {
        const SavedImage &saved = gif->SavedImages[0];
        int loops = -1;
        for (int i = 0; i + 1 < saved.ExtensionBlockCount; ++i) {
            const ExtensionBlock &block = saved.ExtensionBlocks[i];
            const ExtensionBlock &data = saved.ExtensionBlocks[i + 1];
            if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11
                && memcmp(block.Bytes, "NETSCAPE2.0", 11) == 0 && data.ByteCount == 3)
                loops = data.Bytes[1] | (data.Bytes[2] << 8);
        }
        facts = QString("%1 %2x%3 loops %4 delay %5")
                        .arg(QString(stamp))
                        .arg(gif->SWidth)
                        .arg(gif->SHeight)
                        .arg(loops)
                        .arg(control.DelayTime);
    }
    DGifCloseFile(gif, &error);
    return facts;
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
        GifWriter writer;
        writer.addFrame(stripes(size));
        const QString path = dir_->filePath("single.gif");
        QVERIFY(writer.save(path));
        QCOMPARE(gifFacts(path),
                 QString("GIF89a %1x%2 loops 0 delay 100").arg(size.width()).arg(size.height()));
        QCOMPARE(QImage(path).convertToFormat(QImage::Format_RGB32),
                 stripes(size).convertToFormat(QImage::Format_RGB32));
    }

    void failuresWriteNothing_data()
    {
        QTest::addColumn<QString>("relativePath");
        QTest::addColumn<QImage>("image");
        QTest::newRow("missing folder") << "no/such/x.gif" << stripes(QSize(4, 4));
        QTest::newRow("target is a folder") << "folder" << stripes(QSize(4, 4));
        QTest::newRow("null image") << "null.gif" << QImage();
        QTest::newRow("wider than a GIF can say") << "wide.gif" << stripes(QSize(70000, 1));
    }
    void failuresWriteNothing()
    {
        QFETCH(QString, relativePath);
        QFETCH(QImage, image);
        QVERIFY(QDir(dir_->path()).mkpath("folder"));
        GifWriter writer;
        writer.addFrame(image);
        QVERIFY(!writer.save(dir_->filePath(relativePath)));
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList());
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

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

KESTREL_TEST(TestGifWriter)
#include "tst_GifWriter.moc"
