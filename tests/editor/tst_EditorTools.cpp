#include "editor/DrawingItem.h"
#include "editor/DrawingMosaicItem.h"
#include "editor/Editor.h"
#include "preferences/KestrelPreferences.h"
#include "support/TestEnvironment.h"
#include "support/TestRegistry.h"
#include "tests/editor/EditorTestSupport.h"

#include <QDir>
#include <QTest>

using namespace EditorTestSupport;

Q_DECLARE_METATYPE(Editor::ShapeType)

namespace {

// Stored colours put red in the low byte and alpha in the top one.
constexpr int kStoredHalfGreen = int(0x8000FF00u);
const QColor kHalfGreen(0, 255, 0, 0x80);
const QColor kYellow(255, 255, 0);
const QColor kBlue(0, 0, 255);
const QColor kFaintRed(255, 0, 0, 100);
const QColor kOpaqueRed(255, 0, 0);
const QColor kNoColor(0, 0, 0, 0);

} // namespace

class TestEditorTools : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TestEnvironment::resetRegistry();
        preferences_.reset(new KestrelPreferences);
        QVERIFY(preferences_->initialize());
        capturePath_ = QDir::temp().filePath("tools-capture.png");
        QImage capture(300, 200, QImage::Format_ARGB32);
        capture.fill(Qt::white);
        QVERIFY(capture.save(capturePath_));
    }
    void cleanup() { preferences_.reset(); }

    void factoryReadsTheStore_data()
    {
        QTest::addColumn<bool>("withStore");
        QTest::addColumn<Editor::ShapeType>("tool");
        QTest::addColumn<QColor>("lineColor");
        QTest::addColumn<QColor>("fillColor");
        QTest::addColumn<int>("lineWidth");
        QTest::addColumn<int>("penStyle");

        QTest::newRow("pen without store")
                << false << Editor::Pen << kOpaqueRed << kNoColor << 3 << int(Qt::SolidLine);
        QTest::newRow("figure without store")
                << false << Editor::Circle << kOpaqueRed << kNoColor << 3 << int(Qt::SolidLine);
        QTest::newRow("mosaic without store") << false << Editor::Mosaic << QColor(Qt::transparent)
                                              << QColor(Qt::transparent) << 1 << int(Qt::SolidLine);
        QTest::newRow("pen ignores the stored fill and style")
                << true << Editor::Pen << kHalfGreen << kNoColor << 7 << int(Qt::SolidLine);
        QTest::newRow("highlighter has its own colour")
                << true << Editor::Highlighter << kYellow << kNoColor << 7 << int(Qt::SolidLine);
        QTest::newRow("line") << true << Editor::Line << kBlue << kFaintRed << 7
                              << int(Qt::DotLine);
        QTest::newRow("arrow") << true << Editor::Arrow << kBlue << kFaintRed << 7
                               << int(Qt::DotLine);
        QTest::newRow("rectangle")
                << true << Editor::Rect << kBlue << kFaintRed << 7 << int(Qt::DotLine);
        QTest::newRow("ellipse") << true << Editor::Circle << kBlue << kFaintRed << 7
                                 << int(Qt::DotLine);
        QTest::newRow("speech balloon")
                << true << Editor::SpeechBalloon << kBlue << kFaintRed << 7 << int(Qt::DotLine);
        QTest::newRow("mosaic ignores the figure settings")
                << true << Editor::Mosaic << QColor(Qt::transparent) << QColor(Qt::transparent) << 1
                << int(Qt::SolidLine);
    }
    void factoryReadsTheStore()
    {
        QFETCH(bool, withStore);
        QFETCH(Editor::ShapeType, tool);
        QFETCH(QColor, lineColor);
        QFETCH(QColor, fillColor);
        QFETCH(int, lineWidth);
        QFETCH(int, penStyle);
        preferences_->setInt(KestrelPreferences::PenColor, kStoredHalfGreen);
        preferences_->setColor(KestrelPreferences::HighlighterColor, kYellow);
        preferences_->setColor(KestrelPreferences::FigureLineColor, kBlue);
        preferences_->setColor(KestrelPreferences::FigureFillColor, kFaintRed);
        preferences_->setInt(KestrelPreferences::LineWidth, 7);
        preferences_->setInt(KestrelPreferences::FigureLineType, Qt::DotLine);
        preferences_->setInt(KestrelPreferences::MosaicStrength, 9);

        Editor editor;
        if (withStore)
            editor.setPreferences(preferences_.get());
        editor.setImagePath(capturePath_);
        editor.setImageLoaded(true);
        editor.setShapeType(tool);
        drag(editor, QPoint(10, 10), QPoint(60, 40));

        QCOMPARE(editor.undoList().size(), 1);
        auto *item = dynamic_cast<DrawingItem *>(editor.undoList().first());
        QVERIFY(item);
        QCOMPARE(item->lineColor(), lineColor);
        QCOMPARE(item->fillColor(), fillColor);
        QCOMPARE(item->lineWidth(), lineWidth);
        QCOMPARE(item->penStyle(), penStyle);
        QCOMPARE(item->sceneRect(), QRectF(0, 0, 300, 200));
        QCOMPARE(item->parent(), &editor);
        if (auto *mosaic = dynamic_cast<DrawingMosaicItem *>(item))
            QCOMPARE(mosaic->blockSize(), withStore ? 9 : 6);
    }

    void pressesThatCreateNothing_data()
    {
        QTest::addColumn<int>("tool");
        QTest::addColumn<bool>("gesture");
        QTest::addColumn<int>("toolAfter");
        QTest::newRow("pinch running") << int(Editor::Rect) << true << int(Editor::Rect);
        QTest::newRow("unknown tool") << 42 << false << 42;
        QTest::newRow("text being edited")
                << int(Editor::TextEditing) << false << int(Editor::TextEditing);
        QTest::newRow("text just committed returns to text")
                << int(Editor::TextDone) << false << int(Editor::Text);
        QTest::newRow("crop frame open") << int(Editor::Crop) << false << int(Editor::Crop);
    }
    void pressesThatCreateNothing()
    {
        QFETCH(int, tool);
        QFETCH(bool, gesture);
        QFETCH(int, toolAfter);
        Editor editor;
        editor.setImagePath(capturePath_);
        editor.setImageLoaded(true);
        editor.setShapeType(Editor::ShapeType(tool));
        editor.setGestureActive(gesture);
        drag(editor, QPoint(10, 10), QPoint(60, 40));
        QVERIFY(editor.items().isEmpty());
        QVERIFY(editor.undoList().isEmpty());
        QCOMPARE(int(editor.shapeType()), toolAfter);
    }

    // The mosaic works on the flattened picture: what lay under it stays pixelated in it
    // even after the item below is erased.
    void mosaicKeepsWhatWasBelow()
    {
        preferences_->setColor(KestrelPreferences::FigureLineColor, Qt::black);
        preferences_->setColor(KestrelPreferences::FigureFillColor, Qt::black);
        preferences_->setInt(KestrelPreferences::MosaicStrength, 4);
        Editor editor;
        editor.setPreferences(preferences_.get());
        editor.setImagePath(capturePath_);
        editor.setImageLoaded(true);
        editor.setShapeType(Editor::Rect);
        drag(editor, QPoint(20, 20), QPoint(60, 60));
        editor.setShapeType(Editor::Mosaic);
        drag(editor, QPoint(8, 8), QPoint(40, 40));
        editor.setShapeType(Editor::Eraser);
        press(editor, QPoint(55, 55));
        release(editor, QPoint(55, 55));
        QCOMPARE(editor.items().size(), 1);

        const QImage flat = editor.render(true).toImage();
        QCOMPARE(flat.pixelColor(32, 32), QColor(Qt::black));
        QCOMPARE(flat.pixelColor(55, 55), QColor(Qt::white));
        QCOMPARE(flat.pixelColor(12, 12), QColor(Qt::white));
    }

private:
    std::unique_ptr<KestrelPreferences> preferences_;
    QString capturePath_;
};

KESTREL_TEST(TestEditorTools)
#include "tst_EditorTools.moc"
