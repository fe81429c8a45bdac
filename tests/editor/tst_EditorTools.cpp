#include "editor/DrawingItem.h"
#include "editor/DrawingMosaicItem.h"
#include "preferences/KestrelPreferences.h"
#include "support/TestEnvironment.h"
#include "support/TestRegistry.h"
#include "tests/editor/EditorTestSupport.h"

#include <QMetaEnum>
#include <QTest>

using namespace EditorTestSupport;

Q_DECLARE_METATYPE(Editor::ShapeType)

class TestEditorTools : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TestEnvironment::resetRegistry();
        preferences_.reset(new KestrelPreferences);
        QVERIFY(preferences_->initialize());
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
        QTest::addColumn<Editor::ShapeType>("tool");
        QTest::addColumn<QString>("interruption");
        const QMetaEnum tools = QMetaEnum::fromType<Editor::ShapeType>();
        for (int tool = Editor::Pen; tool <= Editor::Mosaic; ++tool) {
            for (const char *interruption : {"none", "undo", "crop"}) {
                QTest::addRow("%s, %s", tools.valueToKey(tool), interruption)
                        << Editor::ShapeType(tool) << QString(interruption);
            }
        }
    }
    void strokeRendersLikeTheWholeScene()
    {
        QFETCH(Editor::ShapeType, tool);
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

        preferences_->setInt(KestrelPreferences::LineWidth, 5);
        editor->setShapeType(tool);
        // Out and back, growing and shrinking, past the image's edge and back.
        const QVector<QPoint> path {{120, 90}, {180, 160}, {260, 230}, {150, 120},
                                    {125, 95}, {60, 40},   {-30, -20}, {420, 320},
                                    {390, 10}, {200, 150}, {121, 91},  {300, 280}};
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
    }

private:
    std::unique_ptr<KestrelPreferences> preferences_;
};

KESTREL_TEST(TestEditorTools)
#include "tst_EditorTools.moc"
