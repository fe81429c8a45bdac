#include "editor/DrawingItem.h"
#include "support/TestRegistry.h"
#include "tests/editor/EditorTestSupport.h"

#include <QMetaEnum>
#include <QSignalSpy>
#include <QTest>

using namespace EditorTestSupport;

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

class TestEditorUndo : public QObject
{
    Q_OBJECT

private slots:
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

    void strokeAfterSaveMarksUnsaved_data()
    {
        QTest::addColumn<bool>("remember");
        QTest::newRow("remembered save") << true;
        QTest::newRow("save not remembered") << false;
    }
    void strokeAfterSaveMarksUnsaved()
    {
        QFETCH(bool, remember);
        auto editor = editorWith(filledImage(QSize(60, 40), Qt::gray));
        QSignalSpy saved(editor.get(), &Editor::imageSaved);
        QVERIFY(editor->save(QDir::temp().filePath("out.png"), remember, -1));
        QCOMPARE(editor->isSaved(), remember);

        drag(*editor, QPoint(5, 5), QPoint(20, 20));
        editor->undo();
        editor->setShapeType(Editor::Eraser);
        drag(*editor, QPoint(30, 30), QPoint(30, 30));
        editor->setShapeType(Editor::Pen);
        drag(*editor, QPoint(10, 10), QPoint(30, 30));
        // One "saved" from the save itself, then one "unsaved" for the first new item.
        QCOMPARE(saved.count(), remember ? 2 : 0);
        QVERIFY(!remember || !saved.last().first().toBool());
        QVERIFY(!editor->isSaved());
    }
};

KESTREL_TEST(TestEditorUndo)
#include "tst_EditorUndo.moc"
