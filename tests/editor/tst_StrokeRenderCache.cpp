#include "editor/Editor.h"
#include "preferences/KestrelPreferences.h"
#include "support/TestEnvironment.h"
#include "support/TestRegistry.h"
#include "tests/editor/EditorTestSupport.h"

#include <QDir>
#include <QTest>

#include <memory>

using namespace EditorTestSupport;

Q_DECLARE_METATYPE(Editor::ShapeType)

namespace {

// A document crowded with overlapping items of every kind, dotted and filled ones among
// them, so a stroke crosses many of them.
void crowd(Editor &editor, KestrelPreferences &preferences)
{
    const Editor::ShapeType tools[] = {Editor::Rect,          Editor::Pen,    Editor::Circle,
                                       Editor::Arrow,         Editor::Mosaic, Editor::Highlighter,
                                       Editor::SpeechBalloon, Editor::Line};
    for (int i = 0; i < 24; ++i) {
        preferences.setInt(KestrelPreferences::FigureLineType, 1 + i % 3);
        preferences.setInt(KestrelPreferences::LineWidth, 1 + i % 6);
        preferences.setColor(KestrelPreferences::FigureFillColor,
                             i % 2 ? QColor(0, 0, 200, 90) : QColor(Qt::transparent));
        editor.setShapeType(tools[i % 8]);
        const QPoint from(10 + (i * 37) % 330, 10 + (i * 53) % 230);
        drag(editor, from, from + QPoint(30 + i % 5 * 11, 25 + i % 4 * 9));
    }
}

} // namespace

class TestStrokeRenderCache : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        TestEnvironment::resetRegistry();
        preferences_.reset(new KestrelPreferences);
        QVERIFY(preferences_->initialize());
        preferences_->setColor(KestrelPreferences::HighlighterColor, QColor(255, 255, 0));
        capturePath_ = QDir::temp().filePath("stroke-capture.png");
        QVERIFY(gradientCapture(QSize(400, 300)).save(capturePath_));
    }
    void cleanup() { preferences_.reset(); }

    void strokeRendersLikeTheWholeScene_data()
    {
        QTest::addColumn<Editor::ShapeType>("tool");
        QTest::addColumn<QString>("interruption");
        const QList<QPair<const char *, Editor::ShapeType>> tools {
                {"pen", Editor::Pen},
                {"highlighter", Editor::Highlighter},
                {"line", Editor::Line},
                {"arrow", Editor::Arrow},
                {"rectangle", Editor::Rect},
                {"ellipse", Editor::Circle},
                {"balloon", Editor::SpeechBalloon},
                {"mosaic", Editor::Mosaic}};
        for (const auto &tool : tools) {
            for (const char *interruption : {"none", "undo", "crop"}) {
                QTest::addRow("%s, %s", tool.first, interruption)
                        << tool.second << QString(interruption);
            }
        }
    }
    void strokeRendersLikeTheWholeScene()
    {
        QFETCH(Editor::ShapeType, tool);
        QFETCH(QString, interruption);
        Editor editor;
        editor.setPreferences(preferences_.get());
        editor.setImagePath(capturePath_);
        editor.setImageLoaded(true);
        crowd(editor, *preferences_);

        preferences_->setInt(KestrelPreferences::LineWidth, 5);
        editor.setShapeType(tool);
        // Out and back, growing and shrinking, past the image's edge and back.
        const QVector<QPoint> path {{120, 90}, {180, 160}, {260, 230}, {150, 120},
                                    {125, 95}, {60, 40},   {-30, -20}, {420, 320},
                                    {390, 10}, {200, 150}, {121, 91},  {300, 280}};
        press(editor, path.first());
        for (int i = 1; i < path.size(); ++i) {
            move(editor, path.at(i), i % 4 == 0);
            if (i == 6 && interruption == "undo")
                editor.undo();
            if (i == 6 && interruption == "crop")
                QVERIFY(QMetaObject::invokeMethod(&editor, "onCrop",
                                                  Q_ARG(QRect, QRect(40, 30, 300, 200))));
            const QImage expected = plainRender(editor);
            const QImage actual = editor.render(true).toImage();
            if (actual != expected)
                qWarning("move %d to (%d, %d) differs", i, path.at(i).x(), path.at(i).y());
            QCOMPARE(actual, expected);
        }
        release(editor, path.last());
        QCOMPARE(editor.render(true).toImage(), plainRender(editor));
    }

private:
    std::unique_ptr<KestrelPreferences> preferences_;
    QString capturePath_;
};

KESTREL_TEST(TestStrokeRenderCache)
#include "tst_StrokeRenderCache.moc"
