#include "editor/DrawingItem.h"
#include "support/TestEnvironment.h"
#include "support/TestRegistry.h"
#include "tests/editor/EditorTestSupport.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

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

QImage rgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
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
        QCOMPARE(editor.imageRect(), QRect(0, 0, 101, 50));
        QVERIFY(editor.save(dir_->filePath("unloaded.png"), false, -1));
        QVERIFY(!editor.isImageLoaded());
        QVERIFY(editor.render(true).isNull());

        editor.setImageLoaded(true);
        QCOMPARE(editor.sceneRect(), QRectF(0, 0, 101, 50));
        QCOMPARE(rgb(editor.render(true).toImage()), rgb(QImage(capturePath_)));
        editor.setImageLoaded(false);
        QVERIFY(!editor.isImageLoaded());
    }

    void badCapturesGiveNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // null: no file at all
        QByteArray png, bomb;
        QBuffer pngBuffer(&png), bombBuffer(&bomb);
        QVERIFY(pngBuffer.open(QIODevice::WriteOnly) && bombBuffer.open(QIODevice::WriteOnly));
        QVERIFY(gradientCapture(QSize(64, 64)).save(&pngBuffer, "PNG"));
        // A one-bit PNG compresses to almost nothing: one row past 256 million pixels.
        QImage huge(16000, 16001, QImage::Format_Mono);
        huge.fill(0);
        QVERIFY(huge.save(&bombBuffer, "PNG"));
        QTest::newRow("missing file") << QByteArray();
        QTest::newRow("empty file") << QByteArray("");
        QTest::newRow("truncated png") << png.left(png.size() / 2);
        QTest::newRow("not an image") << QByteArray("just some text\n");
        QTest::newRow("image bomb") << bomb;
    }
    void badCapturesGiveNothing()
    {
        QFETCH(QByteArray, bytes);
        const QString path = dir_->filePath("bad.png");
        QVERIFY(bytes.isNull() || writeBytes(path, bytes));
        Editor editor;
        editor.setImagePath(path);
        editor.setImageLoaded(true);
        QVERIFY(!editor.isImageLoaded());
        QVERIFY(editor.imageRect().isEmpty());
        QVERIFY(editor.render(false).isNull());
        QVERIFY(!editor.save(dir_->filePath("never.png"), true, -1));
        QVERIFY(!QFile::exists(dir_->filePath("never.png")));
        QVERIFY(editor.copyToClipboard());
        QVERIFY(QGuiApplication::clipboard()->image().isNull());
    }

    void renderPaintsItemsAndCrops()
    {
        auto editor = editorWith(gradientCapture(QSize(101, 50)));
        drag(*editor, QPoint(10, 10), QPoint(40, 30));
        editor->setShapeType(Editor::Pen);
        drag(*editor, QPoint(60, 5), QPoint(90, 45));
        const QImage whole = editor->render(true).toImage();
        QCOMPARE(whole, plainRender(*editor));
        QVERIFY(rgb(whole) != rgb(gradientCapture(QSize(101, 50))));

        const QRect crop(5, 8, 60, 30);
        QVERIFY(QMetaObject::invokeMethod(editor.get(), "onCrop", Q_ARG(QRect, crop)));
        QCOMPARE(editor->imageRect(), crop);
        QCOMPARE(dynamic_cast<DrawingItem *>(editor->undoList().last())->sceneRect(), QRectF(crop));
        const QImage uncropped = editor->render(true).toImage();
        QCOMPARE(uncropped.size(), QSize(101, 50));
        QCOMPARE(editor->render(false).toImage(), uncropped.copy(crop));
        QVERIFY(editor->copyToClipboard());
        QCOMPARE(rgb(QGuiApplication::clipboard()->image()), rgb(uncropped.copy(crop)));
    }

    // Every target starts out holding "old contents" where its folder exists.
    void save_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("readOnly"); // "file", "folder" or ""
        QTest::addColumn<QString>("result"); // "lossless", "lossy" or "fails"
        // clang-format off
        QTest::newRow("png")                   << "out.png"         << "" << "lossless";
        QTest::newRow("upper-case PNG")        << "out.PNG"         << "" << "lossless";
        QTest::newRow("bmp")                   << "out.bmp"         << "" << "lossless";
        QTest::newRow("jpg")                   << "out.jpg"         << "" << "lossy";
        QTest::newRow("folder name with dots") << "sub.dir/out.png" << "" << "lossless";
        QTest::newRow("gif")                   << "x.gif"           << "" << "lossy";
        QTest::newRow("upper-case GIF")        << "x.GIF"           << "" << "lossy";
        QTest::newRow("format after the first dot") << "a.b.png"    << "" << "fails";
        QTest::newRow("no suffix")             << "plain"           << "" << "fails";
        QTest::newRow("unknown suffix")        << "x.xyz"           << "" << "fails";
        QTest::newRow("missing folder")        << "missing/x.png"   << "" << "fails";
        QTest::newRow("target is a folder")    << "folder.png"      << "" << "fails";
        QTest::newRow("gif target is a folder") << "folder.gif"     << "" << "fails";
        QTest::newRow("read-only file")        << "sub.dir/x.png"   << "file"   << "fails";
        QTest::newRow("read-only gif file")    << "sub.dir/x.gif"   << "file"   << "fails";
        QTest::newRow("read-only folder")      << "sub.dir/x.png"   << "folder" << "fails";
        // clang-format on
    }
    void save()
    {
        QFETCH(QString, name);
        QFETCH(QString, readOnly);
        QFETCH(QString, result);
        if (!readOnly.isEmpty() && geteuid() == 0)
            QSKIP("file permissions do not stop root");
        QDir dir(dir_->path());
        QVERIFY(dir.mkdir("folder.png") && dir.mkdir("folder.gif") && dir.mkdir("sub.dir"));
        const QString path = dir_->filePath(name);
        const QDir folder = QFileInfo(path).dir();
        const bool existing = !QFileInfo(path).isDir() && folder.exists();
        QVERIFY(!existing || writeBytes(path, "old contents"));
        const auto locked = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
        QVERIFY(readOnly.isEmpty()
                || QFile::setPermissions(readOnly == "file" ? path : folder.path(), locked));
        const QStringList before = folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        auto editor = editorWith(gradientCapture(QSize(101, 50)));
        drag(*editor, QPoint(10, 10), QPoint(40, 30));
        editor->setSavedPath("earlier.png");
        QSignalSpy saved(editor.get(), &Editor::imageSaved);

        const bool written = editor->save(path, true, 100);
        QFile::setPermissions(folder.path(), locked | QFileDevice::WriteOwner);
        if (result == "fails") {
            QVERIFY(!written);
            QCOMPARE(editor->savedPath(), QString("earlier.png"));
            QCOMPARE(saved.count(), 0);
            QCOMPARE(folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
            QVERIFY(!existing || readAll(path) == "old contents");
            return;
        }
        QVERIFY(written);
        QCOMPARE(editor->savedPath(), path);
        QCOMPARE(saved.count(), 1);
        QCOMPARE(saved.first().first().toBool(), true);
        const QImage expected = rgb(editor->render(false).toImage());
        const QImage reread = rgb(QImage(path));
        QCOMPARE(reread.size(), expected.size());
        QVERIFY(result == "lossy" || reread == expected);
        // Qt writes no GIF of its own: these bytes come from the GIF writer.
        if (name.endsWith("gif", Qt::CaseInsensitive))
            QCOMPARE(readAll(path).left(6), QByteArray("GIF89a"));
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString capturePath_;
};

KESTREL_TEST(TestEditorOutput)
#include "tst_EditorOutput.moc"
