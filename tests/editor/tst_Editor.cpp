#include "editor/DrawingItem.h"
#include "editor/DrawingMosaicItem.h"
#include "preferences/KestrelPreferences.h"
#include "support/TestEnvironment.h"
#include "tests/editor/EditorTestSupport.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMetaEnum>
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

// Runs editor steps ("Rect A 10 10 40 40" draws an item named A, "Eraser 25 25" clicks,
// "undo", "destroy") and describes what the scene and both lists hold afterwards, how many
// items are alive and which named ones were destroyed.
class UndoScript
{
public:
    UndoScript() : editor_(editorWith(filledImage(QSize(300, 200)))) { }
    // The items report their end to this object, so the editor goes first.
    ~UndoScript() { editor_.reset(); }

    QString run(const QString &step)
    {
        QStringList words = step.split(' ', Qt::SkipEmptyParts);
        const QString command = words.takeFirst();
        const QString name = words.value(0, "0").at(0).isLetter() ? words.takeFirst() : QString();
        if (command == "undo") {
            editor_->undo();
        } else if (command == "redo") {
            editor_->redo();
        } else if (command == "reset") {
            editor_->reset();
        } else if (command == "destroy") {
            editor_.reset();
            return "dead=" + dead_.join(',');
        } else {
            const int tool =
                    QMetaEnum::fromType<Editor::ShapeType>().keyToValue(qPrintable(command));
            editor_->setShapeType(Editor::ShapeType(tool));
            // Twenty small moves, so the eraser meets every item on its way.
            const QPoint from(words.value(0).toInt(), words.value(1).toInt());
            const QPoint to(words.value(2, words.value(0)).toInt(),
                            words.value(3, words.value(1)).toInt());
            drag(*editor_, from, to, 20);
            auto *item = dynamic_cast<QObject *>(
                    editor_->undoList().value(editor_->undoList().size() - 1));
            if (!name.isEmpty() && item && item->objectName().isEmpty()) {
                item->setObjectName(name);
                QObject::connect(item, &QObject::destroyed, [this, name] {
                    dead_ << name;
                    dead_.sort();
                });
            }
        }
        return QString("scene=%1 undo=%2 redo=%3 alive=%4 dead=%5")
                .arg(namesOf(editor_->items(), true), namesOf(editor_->undoList()),
                     namesOf(editor_->redoList()))
                .arg(editor_->findChildren<DrawingItem *>().size())
                .arg(dead_.join(','));
    }

private:
    static QString namesOf(const QList<QGraphicsItem *> &items, bool sorted = false)
    {
        QStringList names;
        for (QGraphicsItem *item : items)
            names << dynamic_cast<QObject *>(item)->objectName();
        if (sorted)
            names.sort();
        return names.join(',');
    }

    std::unique_ptr<Editor> editor_;
    QStringList dead_;
};

class TestEditor : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TestEnvironment::resetRegistry();
        preferences_.reset(new KestrelPreferences);
        QVERIFY(preferences_->initialize());
        dir_.reset(new QTemporaryDir(TestEnvironment::tempDir() + "/editor-XXXXXX"));
        QVERIFY(dir_->isValid());
        capturePath_ = dir_->filePath("capture.png");
        QVERIFY(gradientCapture(QSize(101, 50)).save(capturePath_));
    }
    void cleanup() { preferences_.reset(); }

    // What one drag of `tool` leaves: the number of items, then the new item's line colour,
    // fill colour, width and pen style, its block size, and the tool if it changed.
    void dragCreates_data()
    {
        QTest::addColumn<QString>("setup"); // "store": preferences attached; "gesture": pinch
        QTest::addColumn<int>("tool");
        QTest::addColumn<QString>("made");
        // clang-format off
        QTest::newRow("pen without store")    << ""      << int(Editor::Pen)    << "1 #ffff0000 #00000000 3 1";
        QTest::newRow("mosaic without store") << ""      << int(Editor::Mosaic) << "1 #00000000 #00000000 1 1 block 6";
        QTest::newRow("pen: no stored fill or style") << "store" << int(Editor::Pen) << "1 #8000ff00 #00000000 7 1";
        QTest::newRow("highlighter's colour") << "store" << int(Editor::Highlighter) << "1 #ffffff00 #00000000 7 1";
        QTest::newRow("arrow")                << "store" << int(Editor::Arrow)  << "1 #ff0000ff #64ff0000 7 3";
        QTest::newRow("speech balloon")       << "store" << int(Editor::SpeechBalloon) << "1 #ff0000ff #64ff0000 7 3";
        QTest::newRow("mosaic: no figure settings") << "store" << int(Editor::Mosaic) << "1 #00000000 #00000000 1 1 block 9";
        QTest::newRow("pinch running")        << "gesture" << int(Editor::Rect) << "0";
        QTest::newRow("unknown tool")         << ""      << 42                  << "0";
        QTest::newRow("text being edited")    << ""      << int(Editor::TextEditing) << "0";
        QTest::newRow("text just committed returns to text") << "" << int(Editor::TextDone) << "0 now 9";
        QTest::newRow("crop frame open")      << ""      << int(Editor::Crop)   << "0";
        // clang-format on
    }
    void dragCreates()
    {
        QFETCH(QString, setup);
        QFETCH(int, tool);
        QFETCH(QString, made);
        preferences_->setColor(KestrelPreferences::PenColor, QColor(0, 255, 0, 0x80));
        preferences_->setColor(KestrelPreferences::HighlighterColor, QColor(255, 255, 0));
        preferences_->setColor(KestrelPreferences::FigureLineColor, QColor(0, 0, 255));
        preferences_->setColor(KestrelPreferences::FigureFillColor, QColor(255, 0, 0, 100));
        preferences_->setInt(KestrelPreferences::LineWidth, 7);
        preferences_->setInt(KestrelPreferences::FigureLineType, Qt::DotLine);
        preferences_->setInt(KestrelPreferences::MosaicStrength, 9);
        auto editor = editorWith(filledImage(QSize(300, 200)));
        if (setup == "store")
            editor->setPreferences(preferences_.get());
        editor->setShapeType(Editor::ShapeType(tool));
        editor->setGestureActive(setup == "gesture");
        drag(*editor, QPoint(10, 10), QPoint(60, 40));

        QStringList actual {QString::number(editor->items().size())};
        if (auto *item = dynamic_cast<DrawingItem *>(editor->undoList().value(0))) {
            actual << item->lineColor().name(QColor::HexArgb)
                   << item->fillColor().name(QColor::HexArgb) << QString::number(item->lineWidth())
                   << QString::number(item->penStyle());
            QCOMPARE(item->sceneRect(), QRectF(0, 0, 300, 200));
        }
        if (auto *mosaic = dynamic_cast<DrawingMosaicItem *>(editor->undoList().value(0)))
            actual << "block" << QString::number(mosaic->blockSize());
        if (editor->shapeType() != tool)
            actual << "now" << QString::number(editor->shapeType());
        QCOMPARE(actual.join(' '), made);
    }

    // The mosaic works on the flattened picture: what lay under it stays pixelated in it
    // even after the item below is erased.
    void mosaicKeepsWhatWasBelow()
    {
        preferences_->setColor(KestrelPreferences::FigureLineColor, Qt::black);
        preferences_->setColor(KestrelPreferences::FigureFillColor, Qt::black);
        preferences_->setInt(KestrelPreferences::MosaicStrength, 4);
        auto editor = editorWith(filledImage(QSize(300, 200)));
        editor->setPreferences(preferences_.get());
        editor->setShapeType(Editor::Rect);
        drag(*editor, QPoint(20, 20), QPoint(60, 60));
        editor->setShapeType(Editor::Mosaic);
        drag(*editor, QPoint(8, 8), QPoint(40, 40));
        editor->setShapeType(Editor::Eraser);
        drag(*editor, QPoint(55, 55), QPoint(55, 55));
        QCOMPARE(editor->items().size(), 1);

        const QImage flat = editor->render(true).toImage();
        QCOMPARE(flat.pixelColor(32, 32), QColor(Qt::black));
        QCOMPARE(flat.pixelColor(55, 55), QColor(Qt::white));
        QCOMPARE(flat.pixelColor(12, 12), QColor(Qt::white));
    }

    void strokeRendersLikeTheWholeScene_data()
    {
        QTest::addColumn<int>("tool");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("penStyle");
        QTest::addColumn<QString>("interruption");
        const QMetaEnum tools = QMetaEnum::fromType<Editor::ShapeType>();
        for (int tool = Editor::Pen; tool <= Editor::Mosaic; ++tool) {
            for (const char *interruption : {"none", "undo", "crop"}) {
                QTest::addRow("%s, %s", tools.valueToKey(tool), interruption)
                        << tool << 5 << int(Qt::DotLine) << QString(interruption);
            }
        }
        // Sharp corners reach farthest beyond a thick item's rectangle: a narrow balloon's
        // tail, an arrow's head, the ends of a narrow dotted ellipse.
        for (int width : {5, 8, 12, 20}) {
            QTest::addRow("thick balloon, %d", width)
                    << int(Editor::SpeechBalloon) << width << int(Qt::SolidLine) << "none";
        }
        QTest::newRow("thick arrow") << int(Editor::Arrow) << 20 << int(Qt::SolidLine) << "none";
        QTest::newRow("thick ellipse") << int(Editor::Circle) << 12 << int(Qt::DotLine) << "none";
    }
    void strokeRendersLikeTheWholeScene()
    {
        QFETCH(int, tool);
        QFETCH(int, width);
        QFETCH(int, penStyle);
        QFETCH(QString, interruption);
        auto editor = editorWith(gradientCapture(QSize(400, 300)));
        editor->setPreferences(preferences_.get());
        // A crowd of overlapping items of every kind, dotted and filled ones among them.
        for (int i = 0; i < 24; ++i) {
            preferences_->setInt(KestrelPreferences::FigureLineType, 1 + i % 3);
            preferences_->setInt(KestrelPreferences::LineWidth, 1 + i % 6);
            preferences_->setColor(KestrelPreferences::FigureFillColor,
                                   i % 2 ? QColor(0, 0, 200, 90) : QColor(Qt::transparent));
            editor->setShapeType(Editor::ShapeType(Editor::Pen + (i * 3) % 8));
            const QPoint from(10 + (i * 37) % 330, 10 + (i * 53) % 230);
            drag(*editor, from, from + QPoint(30 + i % 5 * 11, 25 + i % 4 * 9));
        }

        preferences_->setInt(KestrelPreferences::LineWidth, width);
        preferences_->setInt(KestrelPreferences::FigureLineType, penStyle);
        editor->setShapeType(Editor::ShapeType(tool));
        // Out and back, growing and shrinking, past the image's edge and back.
        const QVector<QPoint> path {{120, 90}, {180, 160}, {260, 230}, {150, 120}, {125, 95},
                                    {60, 40},  {-30, -20}, {420, 320}, {390, 10},  {200, 150},
                                    {121, 91}, {123, 260}, {122, 180}, {124, 93},  {300, 280}};
        mouse(*editor, QEvent::GraphicsSceneMousePress, path.first());
        for (int i = 1; i < path.size(); ++i) {
            mouse(*editor, QEvent::GraphicsSceneMouseMove, path.at(i), i % 4 == 0);
            if (i == 6 && interruption == "undo")
                editor->undo();
            if (i == 6 && interruption == "crop")
                QVERIFY(QMetaObject::invokeMethod(editor.get(), "onCrop",
                                                  Q_ARG(QRect, QRect(40, 30, 300, 200))));
            QVERIFY2(editor->render(true).toImage() == plainRender(*editor),
                     qPrintable(QString("after move %1").arg(i)));
        }
        mouse(*editor, QEvent::GraphicsSceneMouseRelease, path.last());
        QCOMPARE(editor->render(true).toImage(), plainRender(*editor));
        if (interruption == "crop") {
            const QRect crop(40, 30, 300, 200);
            QCOMPARE(editor->imageRect(), crop);
            QCOMPARE(dynamic_cast<DrawingItem *>(editor->undoList().last())->sceneRect(),
                     QRectF(crop));
            QCOMPARE(editor->render(false).toImage(), editor->render(true).toImage().copy(crop));
            QVERIFY(editor->copyToClipboard());
            QCOMPARE(rgb(QGuiApplication::clipboard()->image()),
                     rgb(editor->render(false).toImage()));
        }
    }

    // Each line: a step, then the state it leaves.
    void sequences_data()
    {
        QTest::addColumn<QStringList>("lines");
        // clang-format off
        QTest::newRow("a pen click leaves nothing, other clicks keep their item") << QStringList{
                "Pen 50 50                  => scene= undo= redo= alive=0 dead=",
                "Rect A 50 50               => scene=A undo=A redo= alive=1 dead=",
                "Highlighter B 80 80        => scene=A,B undo=A,B redo= alive=2 dead=",
                "Line C 120 120             => scene=A,B,C undo=A,B,C redo= alive=3 dead="};
        QTest::newRow("draw A, draw B, erase A, undo, undo") << QStringList{
                "Rect A 10 10 40 40         => scene=A undo=A redo= alive=1 dead=",
                "Rect B 100 100 140 140     => scene=A,B undo=A,B redo= alive=2 dead=",
                "Eraser 25 25               => scene=B undo=A,B,A redo= alive=2 dead=",
                "undo                       => scene=A,B undo=A,B redo=A alive=2 dead=",
                "undo                       => scene=A undo=A redo=A,B alive=2 dead="};
        QTest::newRow("erasing keeps the redo list, a new stroke clears it") << QStringList{
                "Rect A 10 10 40 40         => scene=A undo=A redo= alive=1 dead=",
                "Rect B 100 100 140 140     => scene=A,B undo=A,B redo= alive=2 dead=",
                "undo                       => scene=A undo=A redo=B alive=2 dead=",
                "Eraser 25 25               => scene= undo=A,A redo=B alive=2 dead=",
                "Pen C 200 20 250 80        => scene=C undo=A,A,C redo= alive=2 dead=B"};
        QTest::newRow("reset undoes once per item in the scene") << QStringList{
                "Rect A 10 10 40 40         => scene=A undo=A redo= alive=1 dead=",
                "Rect B 100 100 140 140     => scene=A,B undo=A,B redo= alive=2 dead=",
                "Rect C 200 100 240 140     => scene=A,B,C undo=A,B,C redo= alive=3 dead=",
                "Eraser 25 25               => scene=B,C undo=A,B,C,A redo= alive=3 dead=",
                "reset                      => scene=A,B undo=A,B redo=A,C alive=3 dead="};
        QTest::newRow("an item twice in the redo list is freed once") << QStringList{
                "Rect A 10 10 40 40         => scene=A undo=A redo= alive=1 dead=",
                "Eraser 25 25               => scene= undo=A,A redo= alive=1 dead=",
                "undo                       => scene=A undo=A redo=A alive=1 dead=",
                "undo                       => scene= undo= redo=A,A alive=1 dead=",
                "Circle B 100 100 140 140   => scene=B undo=B redo= alive=1 dead=A"};
        QTest::newRow("an item in both lists outlives the dropped redo list") << QStringList{
                "Rect A 10 10 40 40         => scene=A undo=A redo= alive=1 dead=",
                "Eraser 25 25               => scene= undo=A,A redo= alive=1 dead=",
                "undo                       => scene=A undo=A redo=A alive=1 dead=",
                "redo                       => scene= undo=A,A redo= alive=1 dead=",
                "undo                       => scene=A undo=A redo=A alive=1 dead=",
                "Line C 200 20 250 80       => scene=A,C undo=A,C redo= alive=2 dead="};
        QTest::newRow("destroying the editor frees every item once") << QStringList{
                "Rect A 10 10 40 40         => scene=A undo=A redo= alive=1 dead=",
                "Pen B 100 100 140 140      => scene=A,B undo=A,B redo= alive=2 dead=",
                "undo                       => scene=A undo=A redo=B alive=2 dead=",
                "Eraser 25 25               => scene= undo=A,A redo=B alive=2 dead=",
                "Mosaic C 150 20 200 70     => scene=C undo=A,A,C redo= alive=2 dead=B",
                "undo                       => scene= undo=A,A redo=C alive=2 dead=B",
                "destroy                    => dead=A,B,C"};
        QTest::newRow("dragging the eraser removes every item it crosses") << QStringList{
                "Rect A 10 10 40 40         => scene=A undo=A redo= alive=1 dead=",
                "SpeechBalloon B 60 10 90 40 => scene=A,B undo=A,B redo= alive=2 dead=",
                "Eraser 5 25 95 25          => scene= undo=A,B,A,B redo= alive=2 dead=",
                "undo                       => scene=B undo=A,B,A redo=B alive=2 dead="};
        // clang-format on
    }
    void sequences()
    {
        QFETCH(QStringList, lines);
        UndoScript script;
        for (const QString &line : lines) {
            const QString step = line.section("=>", 0, 0).trimmed();
            QCOMPARE(step + " => " + script.run(step),
                     step + " => " + line.section("=>", 1).trimmed());
        }
    }

    void imageLoadsLazily()
    {
        Editor editor;
        editor.setImagePath(capturePath_);
        QCOMPARE(editor.imageRect(), QRect(0, 0, 101, 50));
        QVERIFY(editor.save(dir_->filePath("unloaded.png"), false, -1));
        QVERIFY(!editor.isImageLoaded());
        QVERIFY(!editor.isSaved());
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
        // Undoing is no change; the first new item marks the document unsaved, once.
        editor->undo();
        drag(*editor, QPoint(50, 10), QPoint(90, 40));
        drag(*editor, QPoint(20, 20), QPoint(30, 45));
        QCOMPARE(saved.count(), 2);
        QVERIFY(!saved.last().first().toBool() && !editor->isSaved());
    }

private:
    std::unique_ptr<KestrelPreferences> preferences_;
    std::unique_ptr<QTemporaryDir> dir_;
    QString capturePath_;
};

QTEST_MAIN(TestEditor)
#include "tst_Editor.moc"
