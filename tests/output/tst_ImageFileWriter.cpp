#include "output/ImageFileWriter.h"
#include "support/FileBytes.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

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

} // namespace

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
