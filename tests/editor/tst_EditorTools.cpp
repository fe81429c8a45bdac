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

    void factoryReadsTheStore_data()
    {
        QTest::addColumn<bool>("withStore");
        QTest::addColumn<Editor::ShapeType>("tool");
        QTest::addColumn<QString>("style"); // line colour, fill colour, width, pen style
        // clang-format off
        QTest::newRow("pen without store")    << false << Editor::Pen         << "#ffff0000 #00000000 3 1";
        QTest::newRow("mosaic without store") << false << Editor::Mosaic      << "#00000000 #00000000 1 1";
        QTest::newRow("pen: no stored fill or style") << true << Editor::Pen  << "#8000ff00 #00000000 7 1";
        QTest::newRow("highlighter's colour") << true  << Editor::Highlighter << "#ffffff00 #00000000 7 1";
        QTest::newRow("arrow")                << true  << Editor::Arrow       << "#ff0000ff #64ff0000 7 3";
        QTest::newRow("speech balloon")       << true  << Editor::SpeechBalloon << "#ff0000ff #64ff0000 7 3";
        QTest::newRow("mosaic: no figure settings") << true << Editor::Mosaic << "#00000000 #00000000 1 1";
        // clang-format on
    }
    void factoryReadsTheStore()
    {
        QFETCH(bool, withStore);
        QFETCH(Editor::ShapeType, tool);
        QFETCH(QString, style);
        preferences_->setColor(KestrelPreferences::PenColor, QColor(0, 255, 0, 0x80));
        preferences_->setColor(KestrelPreferences::HighlighterColor, QColor(255, 255, 0));
        preferences_->setColor(KestrelPreferences::FigureLineColor, QColor(0, 0, 255));
        preferences_->setColor(KestrelPreferences::FigureFillColor, QColor(255, 0, 0, 100));
        preferences_->setInt(KestrelPreferences::LineWidth, 7);
        preferences_->setInt(KestrelPreferences::FigureLineType, Qt::DotLine);
        preferences_->setInt(KestrelPreferences::MosaicStrength, 9);
        auto editor = editorWith(filledImage(QSize(300, 200)));
        if (withStore)
            editor->setPreferences(preferences_.get());
        editor->setShapeType(tool);
        drag(*editor, QPoint(10, 10), QPoint(60, 40));

        QCOMPARE(editor->undoList().size(), 1);
        auto *item = dynamic_cast<DrawingItem *>(editor->undoList().first());
        QCOMPARE(QString("%1 %2 %3 %4")
                         .arg(item->lineColor().name(QColor::HexArgb),
                              item->fillColor().name(QColor::HexArgb))
                         .arg(item->lineWidth())
                         .arg(item->penStyle()),
                 style);
        QCOMPARE(item->sceneRect(), QRectF(0, 0, 300, 200));
        if (auto *mosaic = dynamic_cast<DrawingMosaicItem *>(item))
            QCOMPARE(mosaic->blockSize(), withStore ? 9 : 6);
    }

    void pressesThatCreateNothing_data()
    {
        QTest::addColumn<int>("tool");
        QTest::addColumn<bool>("gesture");
        QTest::addColumn<int>("toolAfter");
        // clang-format off
        QTest::newRow("pinch running")     << int(Editor::Rect)        << true  << int(Editor::Rect);
        QTest::newRow("unknown tool")      << 42                       << false << 42;
        QTest::newRow("text being edited") << int(Editor::TextEditing) << false << int(Editor::TextEditing);
        QTest::newRow("text just committed returns to text") << int(Editor::TextDone) << false << int(Editor::Text);
        QTest::newRow("crop frame open")   << int(Editor::Crop)        << false << int(Editor::Crop);
        // clang-format on
    }
    void pressesThatCreateNothing()
    {
        QFETCH(int, tool);
        QFETCH(bool, gesture);
        QFETCH(int, toolAfter);
        auto editor = editorWith(filledImage(QSize(300, 200)));
        editor->setShapeType(Editor::ShapeType(tool));
        editor->setGestureActive(gesture);
        drag(*editor, QPoint(10, 10), QPoint(60, 40));
        QVERIFY(editor->items().isEmpty());
        QVERIFY(editor->undoList().isEmpty());
        QCOMPARE(int(editor->shapeType()), toolAfter);
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
