#include "editor/DrawingItem.h"
#include "editor/DrawingMosaicItem.h"
#include "preferences/KestrelPreferences.h"
#include "support/FileBytes.h"
#include "support/TestEnvironment.h"
#include "tests/editor/EditorTestSupport.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMetaEnum>
#include <QTemporaryDir>
#include <QTest>

using namespace EditorTestSupport;

namespace {

QImage rgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

// Runs editor steps and describes what each leaves: the items in the scene and in both lists,
// how many items are alive, which named ones were destroyed and, after "|", every signal the
// step emitted with its values, sorted; a signal not listed was not emitted. A step is a
// tool with the points of a drag ("Rect A 10 10 40 40" draws an item named A, "Eraser 25 25"
// clicks, "Crop" only picks the tool), "undo", "redo", "reset", "prefs 3" (a store that
// remembers tool 3; "prefs none": no store), "save a.png", "startCrop", "finishCrop 0",
// "crop 40 30 200 100" (a crop applied) or "destroy".
class UndoScript : public QObject
{
    Q_OBJECT

public:
    UndoScript(KestrelPreferences &preferences, const QString &folder)
        : preferences_(preferences), folder_(folder), editor_(editorWith(filledImage({300, 200})))
    {
        // Loading the image announced a change of its own.
        QCoreApplication::processEvents();
        watch(&Editor::changedShape, "changedShape");
        watch(&Editor::changedItemList, "changedItemList");
        watch(&Editor::updateImageSize, "updateImageSize");
        watch(&Editor::imageSaved, "imageSaved");
        watchByName(SIGNAL(createTextItem(DrawingTextItem *)));
        watchByName(SIGNAL(moveTextItem(DrawingTextItem *)));
        watch(&Editor::finishTextItem, "finishTextItem");
        watchByName(SIGNAL(createCropItem(DrawingCropItem *)));
        watchByName(SIGNAL(moveCropItem(DrawingCropItem *)));
        watch(&Editor::finishCropItem, "finishCropItem");
        watch(&Editor::changeSceneRect, "changeSceneRect");
        watch(&Editor::canUndoChanged, "canUndoChanged");
        watch(&Editor::canRedoChanged, "canRedoChanged");
    }
    // The items report their end to this object, so the editor goes first.
    ~UndoScript() override { editor_.reset(); }

    QString run(const QString &step)
    {
        emitted_.clear();
        QStringList words = step.split(' ', Qt::SkipEmptyParts);
        const QString command = words.takeFirst();
        if (command == "undo") {
            editor_->undo();
        } else if (command == "redo") {
            editor_->redo();
        } else if (command == "reset") {
            editor_->reset();
        } else if (command == "prefs") {
            preferences_.setInt(KestrelPreferences::LastDrawingItem, words[0].toInt());
            editor_->setPreferences(words[0] == "none" ? nullptr : &preferences_);
        } else if (command == "save") {
            editor_->save(folder_ + '/' + words[0], true, -1);
        } else if (command == "startCrop") {
            editor_->startCrop();
        } else if (command == "finishCrop") {
            QMetaObject::invokeMethod(editor_.get(), "onFinishCrop", Q_ARG(bool, words[0] == "1"));
        } else if (command == "crop") {
            const QRect rect(words[0].toInt(), words[1].toInt(), words[2].toInt(),
                             words[3].toInt());
            QMetaObject::invokeMethod(editor_.get(), "onCrop", Q_ARG(QRect, rect));
        } else if (command == "destroy") {
            editor_.reset();
            return "dead=" + dead_.join(',');
        } else {
            draw(command, words);
        }
        // The scene announces its changes from the event loop.
        QCoreApplication::processEvents();
        emitted_.sort();
        return QString("scene=%1 undo=%2 redo=%3 alive=%4 dead=%5 |")
                       .arg(namesOf(editor_->items(), true), namesOf(editor_->undoList()),
                            namesOf(editor_->redoList()))
                       .arg(editor_->findChildren<DrawingItem *>().size())
                       .arg(dead_.join(','))
                + (emitted_.isEmpty() ? QString() : ' ' + emitted_.join(' '));
    }

private slots:
    void onItemSignal()
    {
        emitted_ << editor_->metaObject()->method(senderSignalIndex()).name() + "(item)";
    }

private:
    // The item types of these signals are not complete here, which a typed connection needs.
    void watchByName(const char *signal)
    {
        connect(editor_.get(), signal, this, SLOT(onItemSignal()));
    }
    template<typename... Args>
    void watch(void (Editor::*signal)(Args...), const char *name)
    {
        connect(editor_.get(), signal, this, [this, name](Args... args) {
            const QStringList values {describe(args)...};
            emitted_ << name + (values.isEmpty() ? QString() : '(' + values.join(',') + ')');
        });
    }
    static QString describe(bool value) { return value ? "true" : "false"; }
    static QString describe(Editor::ShapeType value) { return QString::number(value); }
    static QString describe(const QRectF &r)
    {
        return QString("%1 %2 %3 %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }

    // Picks the tool when it changes (or when no points follow), then drags through the
    // points in small moves, so the eraser meets every item on its way.
    void draw(const QString &tool, QStringList words)
    {
        const QString name =
                !words.isEmpty() && words[0].at(0).isLetter() ? words.takeFirst() : QString();
        const int type = QMetaEnum::fromType<Editor::ShapeType>().keyToValue(qPrintable(tool));
        if (words.isEmpty() || type != editor_->shapeType())
            editor_->setShapeType(Editor::ShapeType(type));
        QVector<QPoint> points;
        for (int i = 0; i + 1 < words.size(); i += 2)
            points << QPoint(words[i].toInt(), words[i + 1].toInt());
        if (points.isEmpty())
            return;
        drag(*editor_, points, 20);
        auto *item =
                dynamic_cast<QObject *>(editor_->undoList().value(editor_->undoList().size() - 1));
        if (!name.isEmpty() && item && item->objectName().isEmpty()) {
            item->setObjectName(name);
            QObject::connect(item, &QObject::destroyed, [this, name] {
                dead_ << name;
                dead_.sort();
            });
        }
    }

    static QString namesOf(const QList<QGraphicsItem *> &items, bool sorted = false)
    {
        QStringList names;
        for (QGraphicsItem *item : items)
            names << dynamic_cast<QObject *>(item)->objectName();
        if (sorted)
            names.sort();
        return names.join(',');
    }

    KestrelPreferences &preferences_;
    const QString folder_;
    std::unique_ptr<Editor> editor_;
    QStringList emitted_;
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
        QTest::newRow("pen: no stored fill or style") << "store" << int(Editor::Pen) << "1 #8000ff00 #00000000 7 1";
        QTest::newRow("highlighter's colour") << "store" << int(Editor::Highlighter) << "1 #ffffff00 #00000000 7 1";
        QTest::newRow("arrow")                << "store" << int(Editor::Arrow)  << "1 #ff0000ff #64ff0000 7 3";
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
        drag(*editor, {{10, 10}, {60, 40}});

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
        QTEST(actual.join(' '), "made");
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
        drag(*editor, {{20, 20}, {60, 60}});
        editor->setShapeType(Editor::Mosaic);
        drag(*editor, {{8, 8}, {40, 40}});
        editor->setShapeType(Editor::Eraser);
        drag(*editor, {{55, 55}});
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
        // Sharp corners reach farthest beyond a thick item's rectangle.
        const int solid = Qt::SolidLine;
        // clang-format off
        QTest::newRow("thick balloon, 5")     << int(Editor::SpeechBalloon) << 5  << solid << "none";
        QTest::newRow("thick balloon, 12")    << int(Editor::SpeechBalloon) << 12 << solid << "none";
        QTest::newRow("thick arrow")          << int(Editor::Arrow)         << 20 << solid << "none";
        QTest::newRow("thick dotted ellipse") << int(Editor::Circle)        << 12 << int(Qt::DotLine) << "none";
        // clang-format on
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
            drag(*editor, {from, from + QPoint(30 + i % 5 * 11, 25 + i % 4 * 9)});
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

    // Each line: a step, then the state it leaves and the signals it emitted.
    void sequences_data()
    {
        QTest::addColumn<QStringList>("lines");
        // clang-format off
        QTest::newRow("a pen click leaves nothing, a stroke back to its start stays") << QStringList{
                "Pen 50 50                   => scene= undo= redo= alive=0 dead= | changedItemList changedShape(1)",
                "Pen 50 50 50 50             => scene= undo= redo= alive=0 dead= | changedItemList",
                "Pen A 50 50 90 50 90 90 50 50 => scene=A undo=A redo= alive=1 dead= | canUndoChanged(true) changedItemList",
                "Rect B 120 120              => scene=A,B undo=A,B redo= alive=2 dead= | changedItemList changedShape(5)",
                "Highlighter C 150 150       => scene=A,B,C undo=A,B,C redo= alive=3 dead= | changedItemList changedShape(2)"};
        QTest::newRow("erase A, undo twice; erasing keeps the redo list, a new stroke drops it") << QStringList{
                "Rect A 10 10 40 40          => scene=A undo=A redo= alive=1 dead= | canUndoChanged(true) changedItemList",
                "Rect B 100 100 140 140      => scene=A,B undo=A,B redo= alive=2 dead= | changedItemList",
                "Eraser 25 25                => scene=B undo=A,B,A redo= alive=2 dead= | changedItemList changedShape(0)",
                "undo                        => scene=A,B undo=A,B redo=A alive=2 dead= | canRedoChanged(true) changedItemList",
                "undo                        => scene=A undo=A redo=A,B alive=2 dead= | changedItemList",
                "Eraser 25 25                => scene= undo=A,A redo=A,B alive=2 dead= | changedItemList",
                "Pen C 200 20 250 80         => scene=C undo=A,A,C redo= alive=2 dead=B | canRedoChanged(false) changedItemList changedShape(1)"};
        QTest::newRow("an item twice in the redo list is freed once") << QStringList{
                "Rect A 10 10 40 40          => scene=A undo=A redo= alive=1 dead= | canUndoChanged(true) changedItemList",
                "Eraser 25 25                => scene= undo=A,A redo= alive=1 dead= | changedItemList changedShape(0)",
                "undo                        => scene=A undo=A redo=A alive=1 dead= | canRedoChanged(true) changedItemList",
                "undo                        => scene= undo= redo=A,A alive=1 dead= | canUndoChanged(false) changedItemList",
                "Circle B 100 100 140 140    => scene=B undo=B redo= alive=1 dead=A | canRedoChanged(false) canUndoChanged(true) changedItemList changedShape(6)"};
        QTest::newRow("an item in both lists outlives the dropped redo list") << QStringList{
                "Rect A 10 10 40 40          => scene=A undo=A redo= alive=1 dead= | canUndoChanged(true) changedItemList",
                "Eraser 25 25                => scene= undo=A,A redo= alive=1 dead= | changedItemList changedShape(0)",
                "undo                        => scene=A undo=A redo=A alive=1 dead= | canRedoChanged(true) changedItemList",
                "redo                        => scene= undo=A,A redo= alive=1 dead= | canRedoChanged(false) changedItemList",
                "undo                        => scene=A undo=A redo=A alive=1 dead= | canRedoChanged(true) changedItemList",
                "Line C 200 20 250 80        => scene=A,C undo=A,C redo= alive=2 dead= | canRedoChanged(false) changedItemList changedShape(3)"};
        QTest::newRow("destroying the editor frees every item once") << QStringList{
                "Rect A 10 10 40 40          => scene=A undo=A redo= alive=1 dead= | canUndoChanged(true) changedItemList",
                "Pen B 100 100 140 140       => scene=A,B undo=A,B redo= alive=2 dead= | changedItemList changedShape(1)",
                "undo                        => scene=A undo=A redo=B alive=2 dead= | canRedoChanged(true) changedItemList",
                "Eraser 25 25                => scene= undo=A,A redo=B alive=2 dead= | changedItemList changedShape(0)",
                "Mosaic C 150 20 200 70      => scene=C undo=A,A,C redo= alive=2 dead=B | canRedoChanged(false) changedItemList changedShape(8)",
                "undo                        => scene= undo=A,A redo=C alive=2 dead=B | canRedoChanged(true) changedItemList",
                "destroy                     => dead=A,B,C"};
        QTest::newRow("the eraser removes every item it crosses; reset undoes once per item shown") << QStringList{
                "Rect A 10 10 40 40          => scene=A undo=A redo= alive=1 dead= | canUndoChanged(true) changedItemList",
                "SpeechBalloon B 60 10 90 40 => scene=A,B undo=A,B redo= alive=2 dead= | changedItemList changedShape(7)",
                "Eraser 5 25 95 25           => scene= undo=A,B,A,B redo= alive=2 dead= | changedItemList changedShape(0)",
                "undo                        => scene=B undo=A,B,A redo=B alive=2 dead= | canRedoChanged(true) changedItemList",
                "reset                       => scene=A,B undo=A,B redo=B,A alive=2 dead= | changedItemList"};
        QTest::newRow("nothing to undo, redo or erase; the tool is announced even unchanged") << QStringList{
                "undo                        => scene= undo= redo= alive=0 dead= |",
                "redo                        => scene= undo= redo= alive=0 dead= |",
                "Eraser 5 5                  => scene= undo= redo= alive=0 dead= | changedShape(0)",
                "Rect                        => scene= undo= redo= alive=0 dead= | changedShape(5)",
                "Rect                        => scene= undo= redo= alive=0 dead= | changedShape(5)"};
        QTest::newRow("the tool the store remembers is taken up") << QStringList{
                "prefs 3                     => scene= undo= redo= alive=0 dead= | changedShape(3)",
                "prefs none                  => scene= undo= redo= alive=0 dead= | changedShape(5)",
                "prefs 8                     => scene= undo= redo= alive=0 dead= | changedShape(8)",
                "Mosaic A 10 10 40 40        => scene=A undo=A redo= alive=1 dead= | canUndoChanged(true) changedItemList"};
        QTest::newRow("a save is remembered until the next new item") << QStringList{
                "Rect A 10 10 40 40          => scene=A undo=A redo= alive=1 dead= | canUndoChanged(true) changedItemList",
                "save a.png                  => scene=A undo=A redo= alive=1 dead= | imageSaved(true)",
                "undo                        => scene= undo= redo=A alive=1 dead= | canRedoChanged(true) canUndoChanged(false) changedItemList",
                "save a.xyz                  => scene= undo= redo=A alive=1 dead= |",
                "Rect B 50 50 90 90          => scene=B undo=B redo= alive=1 dead=A | canRedoChanged(false) canUndoChanged(true) changedItemList imageSaved(false)",
                "Rect C 100 100 140 140      => scene=B,C undo=B,C redo= alive=2 dead=A | changedItemList"};
        QTest::newRow("a crop hands the tool back") << QStringList{
                "Pen                         => scene= undo= redo= alive=0 dead= | changedShape(1)",
                "Crop                        => scene= undo= redo= alive=0 dead= | changedShape(12)",
                "Crop                        => scene= undo= redo= alive=0 dead= | changedShape(12)",
                "startCrop                   => scene=, undo= redo= alive=1 dead= | canUndoChanged(true) changeSceneRect(0 0 300 200) createCropItem(item) moveCropItem(item)",
                "crop 40 30 200 100          => scene=, undo= redo= alive=1 dead= | changeSceneRect(40 30 200 100) changedItemList updateImageSize",
                "finishCrop 1                => scene=, undo= redo= alive=1 dead= | changedItemList changedShape(1) finishCropItem"};
        // clang-format on
    }
    void sequences()
    {
        QFETCH(QStringList, lines);
        UndoScript script(*preferences_, dir_->path());
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
        const QString bad = dir_->filePath("bad.png");
        QVERIFY(bytes.isNull() || writeBytes(bad, bytes));
        Editor editor;
        editor.setImagePath(bad);
        editor.setImageLoaded(true);
        QVERIFY(!editor.isImageLoaded());
        QVERIFY(editor.imageRect().isEmpty());
        QVERIFY(editor.render(false).isNull());
        QVERIFY(!editor.save(dir_->filePath("never.png"), true, -1));
        QVERIFY(!QFile::exists(dir_->filePath("never.png")));
        QVERIFY(editor.copyToClipboard());
        QVERIFY(QGuiApplication::clipboard()->image().isNull());
    }

private:
    std::unique_ptr<KestrelPreferences> preferences_;
    std::unique_ptr<QTemporaryDir> dir_;
    QString capturePath_;
};

QTEST_MAIN(TestEditor)
#include "tst_Editor.moc"
