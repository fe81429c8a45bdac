#include "output/GifWriter.h"
#include "output/ImageFileWriter.h"
#include "support/FileBytes.h"
#include "support/TestEnvironment.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <gif_lib.h>
#include <memory>

namespace {

// Blue = x, green = y: a skewed or dropped row shows.
QImage gradient()
{
    QImage image(101, 50, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(200, y, x));
    }
    return image;
}

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

// Accepts `capacity` bytes, then refuses every write.
class FailingDevice : public QBuffer
{
public:
    explicit FailingDevice(qint64 capacity) : capacity_(capacity) { open(QIODevice::WriteOnly); }

protected:
    qint64 writeData(const char *data, qint64 length) override
    {
        return size() + length > capacity_ ? -1 : QBuffer::writeData(data, length);
    }

private:
    qint64 capacity_;
};

} // namespace

// Image files in the format their names ask for, and the GIF writer behind the GIF ones.
class TestImageFileWriter : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        dir_.reset(new QTemporaryDir(TestEnvironment::tempDir() + "/images-XXXXXX"));
        QVERIFY(dir_->isValid());
        QDir dir(dir_->path());
        QVERIFY(dir.mkdir("folder.png") && dir.mkdir("folder.gif") && dir.mkdir("sub.dir"));
    }

    // Every target that can be a file starts out holding "old contents".
    void write_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QImage>("image");
        QTest::addColumn<QString>("result"); // "lossless", "lossy" or "fails"
        const QImage image = gradient();
        // clang-format off
        QTest::newRow("png")                   << "out.png"         << image << "lossless";
        QTest::newRow("bmp")                   << "out.bmp"         << image << "lossless";
        QTest::newRow("jpg")                   << "out.jpg"         << image << "lossy";
        QTest::newRow("folder name with dots") << "sub.dir/out.png" << image << "lossless";
        QTest::newRow("gif")                   << "x.gif"           << image << "lossy";
        QTest::newRow("upper-case GIF")        << "x.GIF"           << image << "lossy";
        QTest::newRow("format after the last dot") << "v1.2.png"    << image << "lossless";
        QTest::newRow("no suffix")             << "plain"           << image << "fails";
        QTest::newRow("unknown suffix")        << "x.xyz"           << image << "fails";
        QTest::newRow("missing folder")        << "missing/x.png"   << image << "fails";
        QTest::newRow("target is a folder")    << "folder.png"      << image << "fails";
        // The encoders fail once the file is open: the old file must survive that too.
        QTest::newRow("png write fails")       << "sub.dir/x.png"   << QImage() << "fails";
        QTest::newRow("gif write fails")       << "sub.dir/x.gif"   << QImage() << "fails";
        // clang-format on
    }
    void write()
    {
        QFETCH(QString, name);
        QFETCH(QImage, image);
        QFETCH(QString, result);
        const QString path = dir_->filePath(name);
        const QDir folder = QFileInfo(path).dir();
        const bool existing = !QFileInfo(path).isDir() && folder.exists();
        QVERIFY(!existing || writeBytes(path, "old contents"));
        const QStringList before = folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

        const bool written = ImageFileWriter(path).write(image, 100);
        // Nothing is left behind beside the target, temporary files included.
        QCOMPARE(folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
        if (result == "fails") {
            QVERIFY(!written);
            QVERIFY(!existing || readBytes(path) == "old contents");
            return;
        }
        QVERIFY(written);
        const QImage reread = QImage(path).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(reread.size(), image.size());
        QVERIFY(result == "lossy" || reread == image);
        // Qt writes no GIF of its own: these bytes come from the GIF writer.
        if (name.endsWith("gif", Qt::CaseInsensitive))
            QCOMPARE(readBytes(path).left(6), QByteArray("GIF89a"));
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

    void failuresAreReported_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<qint64>("capacity"); // bytes the device takes; -1: all but the last
        const QImage image = stripes(QSize(40, 40));
        QTest::newRow("null image") << QImage() << (qint64(1) << 30);
        QTest::newRow("wider than a GIF can say") << stripes(QSize(70000, 1)) << (qint64(1) << 30);
        QTest::newRow("nothing accepted") << image << qint64(0);
        QTest::newRow("header only") << image << qint64(13);
        QTest::newRow("all but the trailer") << image << qint64(-1);
    }
    void failuresAreReported()
    {
        QFETCH(QImage, image);
        QFETCH(qint64, capacity);
        GifWriter writer;
        writer.addFrame(image);
        QBuffer whole;
        whole.open(QIODevice::WriteOnly);
        const bool valid = writer.save(&whole);
        FailingDevice device(capacity >= 0 ? capacity : whole.size() - 1);
        QVERIFY(!writer.save(&device));
        // A file gets the whole image or nothing.
        QCOMPARE(writer.save(dir_->filePath("x.gif")), valid);
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files),
                 valid ? QStringList {"x.gif"} : QStringList());
    }

    void qualityReachesTheEncoder()
    {
        const QString rough = dir_->filePath("rough.jpg"), fine = dir_->filePath("fine.jpg");
        QVERIFY(ImageFileWriter(rough).write(gradient(), 1));
        QVERIFY(ImageFileWriter(fine).write(gradient(), 100));
        QVERIFY(QFileInfo(rough).size() * 2 < QFileInfo(fine).size());
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

QTEST_MAIN(TestImageFileWriter)
#include "tst_ImageFileWriter.moc"
