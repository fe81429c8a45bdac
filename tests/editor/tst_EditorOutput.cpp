#include "editor/Editor.h"
#include "support/TestEnvironment.h"
#include "support/TestRegistry.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/output/GifTestSupport.h"

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <unistd.h>

using namespace EditorTestSupport;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestEditorOutput : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        dir_.reset(new QTemporaryDir(TestEnvironment::tempDir() + "/output-XXXXXX"));
        QVERIFY(dir_->isValid());
        capturePath_ = dir_->filePath("capture.png");
        QVERIFY(gradientCapture(QSize(101, 50)).save(capturePath_));
    }

    void imageLoadsLazily()
    {
        Editor editor;
        editor.setImagePath(capturePath_);
        QVERIFY(!editor.isImageLoaded());
        QCOMPARE(editor.imageRect(), QRect(0, 0, 101, 50));
        QVERIFY(!editor.isImageLoaded());
        QVERIFY(editor.save(dir_->filePath("unloaded.png"), false, -1));
        QVERIFY(!editor.isImageLoaded());
        QVERIFY(editor.render(true).isNull());

        editor.setImageLoaded(true);
        QVERIFY(editor.isImageLoaded());
        QCOMPARE(editor.sceneRect(), QRectF(0, 0, 101, 50));
        QCOMPARE(editor.render(true).toImage(),
                 QImage(capturePath_).convertToFormat(editor.render(true).toImage().format()));
        editor.setImageLoaded(false);
        QVERIFY(!editor.isImageLoaded());
        QCOMPARE(editor.imageRect(), QRect(0, 0, 101, 50));
    }

    void badCapturesGiveNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("exists");
        QByteArray png;
        {
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            gradientCapture(QSize(64, 64)).save(&buffer, "PNG");
        }
        QTest::newRow("missing file") << QByteArray() << false;
        QTest::newRow("empty file") << QByteArray() << true;
        QTest::newRow("truncated png") << png.left(png.size() / 2) << true;
        QTest::newRow("not an image") << QByteArray("just some text\n") << true;
    }
    void badCapturesGiveNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, exists);
        const QString path = dir_->filePath("bad.png");
        if (exists)
            QVERIFY(writeBytes(path, bytes));
        QVERIFY(Editor::loadCapture(path).isNull());

        Editor editor;
        editor.setImagePath(path);
        editor.setImageLoaded(true);
        QVERIFY(!editor.isImageLoaded());
        QVERIFY(editor.imageRect().isEmpty());
        QVERIFY(editor.render(true).isNull());
        QVERIFY(editor.render(false).isNull());
        const QString target = dir_->filePath("never.png");
        QVERIFY(!editor.save(target, true, -1));
        QVERIFY(!QFile::exists(target));
        QVERIFY(!editor.isSaved());
        QVERIFY(editor.copyToClipboard());
        QVERIFY(QGuiApplication::clipboard()->image().isNull());
    }

    // A one-bit PNG compresses to almost nothing whatever its size, so it stands for an
    // image bomb; decoding one past the limit would succeed, which this would catch.
    void imageBombsAreRefused_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("loads");
        QTest::newRow("at the limit") << QSize(16000, 16000) << true;
        QTest::newRow("one row more") << QSize(16000, 16001) << false;
        QTest::newRow("far beyond") << QSize(30000, 30000) << false;
    }
    void imageBombsAreRefused()
    {
        QFETCH(QSize, size);
        QFETCH(bool, loads);
        const QString path = dir_->filePath("bomb.png");
        {
            QImage bomb(size, QImage::Format_Mono);
            QVERIFY(!bomb.isNull());
            bomb.fill(0);
            QVERIFY(bomb.save(path, "PNG"));
        }
        QVERIFY(QFileInfo(path).size() < 4 * 1024 * 1024);
        const QImage loaded = Editor::loadCapture(path);
        QCOMPARE(!loaded.isNull(), loads);
        if (loads)
            QCOMPARE(loaded.size(), size);
    }

    void renderPaintsItemsAndCrops()
    {
        Editor editor;
        editor.setImagePath(capturePath_);
        editor.setImageLoaded(true);
        drag(editor, QPoint(10, 10), QPoint(40, 30));
        editor.setShapeType(Editor::Pen);
        drag(editor, QPoint(60, 5), QPoint(90, 45));

        const QImage whole = editor.render(true).toImage();
        QCOMPARE(whole, plainRender(editor));
        QVERIFY(whole != QImage(capturePath_).convertToFormat(whole.format()));
        QCOMPARE(editor.render(false).toImage(), whole);

        QSignalSpy sizeChanged(&editor, &Editor::updateImageSize);
        QSignalSpy sceneRectChanged(&editor, &Editor::changeSceneRect);
        QSignalSpy listChanged(&editor, &Editor::changedItemList);
        const QRect crop(5, 8, 60, 30);
        QVERIFY(QMetaObject::invokeMethod(&editor, "onCrop", Q_ARG(QRect, crop)));
        QCOMPARE(sizeChanged.count(), 1);
        QCOMPARE(sceneRectChanged.count(), 1);
        QCOMPARE(sceneRectChanged.first().first().toRectF(), QRectF(crop));
        QVERIFY(listChanged.count() >= 1);
        QCOMPARE(editor.imageRect(), crop);
        QCOMPARE(editor.render(true).size(), QSize(101, 50));
        QCOMPARE(editor.render(false).toImage(), editor.render(true).toImage().copy(crop));
        QVERIFY(editor.copyToClipboard());
        QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                 editor.render(false).toImage().convertToFormat(QImage::Format_RGB32));
    }

    void saveRoundTrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("lossless");
        QTest::newRow("png") << "out.png" << true;
        QTest::newRow("upper-case PNG") << "out.PNG" << true;
        QTest::newRow("bmp") << "out.bmp" << true;
        QTest::newRow("jpg") << "out.jpg" << false;
        QTest::newRow("folder name with dots") << "sub.dir/out.png" << true;
    }
    void saveRoundTrip()
    {
        QFETCH(QString, name);
        QFETCH(bool, lossless);
        QVERIFY(QDir(dir_->path()).mkpath("sub.dir"));
        Editor editor;
        editor.setImagePath(capturePath_);
        editor.setImageLoaded(true);
        drag(editor, QPoint(10, 10), QPoint(40, 30));
        QSignalSpy saved(&editor, &Editor::imageSaved);
        const QString path = dir_->filePath(name);
        QVERIFY(editor.save(path, true, 100));
        QCOMPARE(editor.savedPath(), path);
        QCOMPARE(saved.count(), 1);
        QCOMPARE(saved.first().first().toBool(), true);

        const QImage expected =
                editor.render(false).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage written = QImage(path).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(written.size(), expected.size());
        if (lossless)
            QCOMPARE(written, expected);
    }

    void gifGoesThroughTheGifWriter_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("lower case") << "x.gif";
        QTest::newRow("upper case") << "x.GIF";
    }
    void gifGoesThroughTheGifWriter()
    {
        QFETCH(QString, name);
        Editor editor;
        editor.setImagePath(capturePath_);
        const QString path = dir_->filePath(name);
        QVERIFY(editor.save(path, false, -1));
        const GifFacts gif = readGif(path);
        QCOMPARE(gif.stamp, QByteArray("GIF89a"));
        QCOMPARE(gif.screen, QSize(101, 50));
        QCOMPARE(gif.loopCount, 0);
        QCOMPARE(gif.delays, QVector<int> {100});
    }

    void failedSavesLeaveFilesAlone_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("format after the first dot") << "a.b.png";
        QTest::newRow("no suffix") << "plain";
        QTest::newRow("unknown suffix") << "x.xyz";
        QTest::newRow("missing folder") << "missing/x.png";
        QTest::newRow("target is a folder") << "folder.png";
        QTest::newRow("gif target is a folder") << "folder.gif";
    }
    void failedSavesLeaveFilesAlone()
    {
        QFETCH(QString, name);
        QDir dir(dir_->path());
        QVERIFY(dir.mkdir("folder.png") && dir.mkdir("folder.gif"));
        const QString path = dir_->filePath(name);
        const bool existing = !QFileInfo(path).isDir() && QFileInfo(path).dir().exists();
        if (existing)
            QVERIFY(writeBytes(path, "old contents"));
        const QStringList before = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

        Editor editor;
        editor.setImagePath(capturePath_);
        editor.setImageLoaded(true);
        editor.setSavedPath("earlier.png");
        QSignalSpy saved(&editor, &Editor::imageSaved);
        QVERIFY(!editor.save(path, true, -1));
        QCOMPARE(editor.savedPath(), QString("earlier.png"));
        QCOMPARE(saved.count(), 0);
        QCOMPARE(dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
        if (existing)
            QCOMPARE(readAll(path), QByteArray("old contents"));
    }

    void readOnlyTargetsAreKept_data()
    {
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::addColumn<QString>("name");
        QTest::newRow("read-only file") << false << "kept.png";
        QTest::newRow("read-only gif file") << false << "kept.gif";
        QTest::newRow("read-only folder") << true << "kept.png";
    }
    void readOnlyTargetsAreKept()
    {
        if (geteuid() == 0)
            QSKIP("file permissions do not stop root");
        QFETCH(bool, readOnlyFolder);
        QFETCH(QString, name);
        const QString folder = dir_->filePath("locked");
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + "/" + name;
        QVERIFY(writeBytes(path, "old contents"));
        const QFileDevice::Permissions readOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
        QVERIFY(QFile::setPermissions(readOnlyFolder ? folder : path, readOnly));

        Editor editor;
        editor.setImagePath(capturePath_);
        const bool written = editor.save(path, true, -1);
        QFile::setPermissions(
                folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(!written);
        QCOMPARE(readAll(path), QByteArray("old contents"));
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList {name});
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString capturePath_;
};

KESTREL_TEST(TestEditorOutput)
#include "tst_EditorOutput.moc"
