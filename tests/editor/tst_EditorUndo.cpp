#include "editor/DrawingItem.h"
#include "editor/Editor.h"
#include "support/TestRegistry.h"
#include "tests/editor/EditorTestSupport.h"

#include <QDir>
#include <QGraphicsItem>
#include <QHash>
#include <QSignalSpy>
#include <QStringList>
#include <QTest>

#include <algorithm>
#include <memory>

using namespace EditorTestSupport;

namespace {

const QHash<QString, Editor::ShapeType> kStrokeTools {
        {"rect", Editor::Rect},      {"pen", Editor::Pen},
        {"hl", Editor::Highlighter}, {"mosaic", Editor::Mosaic},
        {"line", Editor::Line},      {"arrow", Editor::Arrow},
        {"circle", Editor::Circle},  {"balloon", Editor::SpeechBalloon}};

} // namespace

// Runs a script of editor steps and describes, after each one, what the scene and the two
// lists hold and which named items were destroyed. Items are named by the script.
class UndoScript
{
public:
    UndoScript() : editor_(new Editor)
    {
        QImage capture(300, 200, QImage::Format_ARGB32);
        capture.fill(Qt::white);
        capturePath_ = QDir::temp().filePath("undo-capture.png");
        capture.save(capturePath_);
        editor_->setImagePath(capturePath_);
        editor_->setImageLoaded(true);
    }

    // The items report their end to this object, so the editor goes first.
    ~UndoScript() { editor_.reset(); }
    Q_DISABLE_COPY(UndoScript)

    QString run(const QString &step)
    {
        const QStringList words = step.split(' ', Qt::SkipEmptyParts);
        const QString command = words.value(0);
        QVector<int> numbers;
        for (const QString &word : words.mid(1)) {
            bool isNumber = false;
            const int value = word.toInt(&isNumber);
            if (isNumber)
                numbers.append(value);
        }
        const QString name =
                words.size() > 1 && numbers.size() < words.size() - 1 ? words.at(1) : QString();
        auto pointAt = [&numbers](int index) {
            return QPoint(numbers.value(index), numbers.value(index + 1));
        };

        if (kStrokeTools.contains(command)) {
            editor_->setShapeType(kStrokeTools.value(command));
            drag(*editor_, pointAt(0), pointAt(2));
            nameNewest(name);
        } else if (command.endsWith("click")) {
            const QString tool = command.left(command.size() - 5);
            editor_->setShapeType(kStrokeTools.value(tool));
            press(*editor_, pointAt(0));
            release(*editor_, pointAt(0));
            nameNewest(name);
        } else if (command == "erase") {
            editor_->setShapeType(Editor::Eraser);
            press(*editor_, pointAt(0));
            release(*editor_, pointAt(0));
        } else if (command == "erasedrag") {
            editor_->setShapeType(Editor::Eraser);
            const QPoint from = pointAt(0), to = pointAt(2);
            press(*editor_, from);
            for (int i = 1; i <= 20; ++i)
                move(*editor_, from + (to - from) * i / 20);
            release(*editor_, to);
        } else if (command == "undo") {
            editor_->undo();
        } else if (command == "redo") {
            editor_->redo();
        } else if (command == "reset") {
            editor_->reset();
        } else if (command == "destroy") {
            editor_.reset();
            return "dead=" + sorted(dead_).join(',');
        } else {
            return "unknown step " + step;
        }
        return state();
    }

private:
    void nameNewest(const QString &name)
    {
        if (name.isEmpty() || editor_->undoList().isEmpty())
            return;
        QGraphicsItem *item = editor_->undoList().last();
        if (names_.contains(item))
            return;
        names_.insert(item, name);
        QObject::connect(dynamic_cast<QObject *>(item), &QObject::destroyed, [this, item, name] {
            names_.remove(item);
            dead_.append(name);
        });
    }

    QString namesOf(const QList<QGraphicsItem *> &items) const
    {
        QStringList result;
        for (QGraphicsItem *item : items)
            result.append(names_.value(item, "?"));
        return result.join(',');
    }

    static QStringList sorted(QStringList list)
    {
        std::sort(list.begin(), list.end());
        return list;
    }

    QString state() const
    {
        QStringList scene;
        for (QGraphicsItem *item : editor_->items())
            scene.append(names_.value(item, "?"));
        return QString("scene=%1 undo=%2 redo=%3 alive=%4 dead=%5")
                .arg(sorted(scene).join(','), namesOf(editor_->undoList()),
                     namesOf(editor_->redoList()))
                .arg(editor_->findChildren<DrawingItem *>().size())
                .arg(sorted(dead_).join(','));
    }

    std::unique_ptr<Editor> editor_;
    QString capturePath_;
    QHash<const QGraphicsItem *, QString> names_;
    QStringList dead_;
};

class TestEditorUndo : public QObject
{
    Q_OBJECT

private slots:
    void sequences_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("states");

        QTest::newRow("pen click leaves nothing")
                << QStringList {"penclick 50 50", "undo"}
                << QStringList {"scene= undo= redo= alive=0 dead=",
                                "scene= undo= redo= alive=0 dead="};
        QTest::newRow("click with other tools keeps the item")
                << QStringList {"rectclick A 50 50", "hlclick B 80 80", "lineclick C 120 120"}
                << QStringList {"scene=A undo=A redo= alive=1 dead=",
                                "scene=A,B undo=A,B redo= alive=2 dead=",
                                "scene=A,B,C undo=A,B,C redo= alive=3 dead="};
        QTest::newRow("draw A, draw B, erase A, undo, undo")
                << QStringList {"rect A 10 10 40 40", "rect B 100 100 140 140", "erase 25 25",
                                "undo", "undo"}
                << QStringList {"scene=A undo=A redo= alive=1 dead=",
                                "scene=A,B undo=A,B redo= alive=2 dead=",
                                "scene=B undo=A,B,A redo= alive=2 dead=",
                                "scene=A,B undo=A,B redo=A alive=2 dead=",
                                "scene=A undo=A redo=A,B alive=2 dead="};
        QTest::newRow("erasing keeps the redo list, a new stroke clears it")
                << QStringList {"rect A 10 10 40 40", "rect B 100 100 140 140", "undo",
                                "erase 25 25", "pen C 200 20 250 80"}
                << QStringList {"scene=A undo=A redo= alive=1 dead=",
                                "scene=A,B undo=A,B redo= alive=2 dead=",
                                "scene=A undo=A redo=B alive=2 dead=",
                                "scene= undo=A,A redo=B alive=2 dead=",
                                "scene=C undo=A,A,C redo= alive=2 dead=B"};
        QTest::newRow("reset undoes once per item in the scene")
                << QStringList {"rect A 10 10 40 40", "rect B 100 100 140 140",
                                "rect C 200 100 240 140", "erase 25 25", "reset"}
                << QStringList {"scene=A undo=A redo= alive=1 dead=",
                                "scene=A,B undo=A,B redo= alive=2 dead=",
                                "scene=A,B,C undo=A,B,C redo= alive=3 dead=",
                                "scene=B,C undo=A,B,C,A redo= alive=3 dead=",
                                "scene=A,B undo=A,B redo=A,C alive=3 dead="};
        QTest::newRow("an item twice in the redo list is freed once")
                << QStringList {"rect A 10 10 40 40", "erase 25 25", "undo", "undo",
                                "circle B 100 100 140 140"}
                << QStringList {"scene=A undo=A redo= alive=1 dead=",
                                "scene= undo=A,A redo= alive=1 dead=",
                                "scene=A undo=A redo=A alive=1 dead=",
                                "scene= undo= redo=A,A alive=1 dead=",
                                "scene=B undo=B redo= alive=1 dead=A"};
        QTest::newRow("an erased item stays when the redo list is dropped")
                << QStringList {"rect A 10 10 40 40",
                                "rect B 100 100 140 140",
                                "erase 25 25",
                                "undo",
                                "redo",
                                "line C 200 20 250 80"}
                << QStringList {"scene=A undo=A redo= alive=1 dead=",
                                "scene=A,B undo=A,B redo= alive=2 dead=",
                                "scene=B undo=A,B,A redo= alive=2 dead=",
                                "scene=A,B undo=A,B redo=A alive=2 dead=",
                                "scene=B undo=A,B,A redo= alive=2 dead=",
                                "scene=B,C undo=A,B,A,C redo= alive=3 dead="};
        QTest::newRow("destroying the editor frees every item once")
                << QStringList {"rect A 10 10 40 40",
                                "pen B 100 100 140 140",
                                "undo",
                                "erase 25 25",
                                "mosaic C 150 20 200 70",
                                "undo",
                                "destroy"}
                << QStringList {"scene=A undo=A redo= alive=1 dead=",
                                "scene=A,B undo=A,B redo= alive=2 dead=",
                                "scene=A undo=A redo=B alive=2 dead=",
                                "scene= undo=A,A redo=B alive=2 dead=",
                                "scene=C undo=A,A,C redo= alive=2 dead=B",
                                "scene= undo=A,A redo=C alive=2 dead=B",
                                "dead=A,B,C"};
        QTest::newRow("dragging the eraser removes every item it crosses")
                << QStringList {"rect A 10 10 40 40", "balloon B 60 10 90 40",
                                "erasedrag 5 25 95 25", "undo"}
                << QStringList {"scene=A undo=A redo= alive=1 dead=",
                                "scene=A,B undo=A,B redo= alive=2 dead=",
                                "scene= undo=A,B,A,B redo= alive=2 dead=",
                                "scene=B undo=A,B,A redo=B alive=2 dead="};
    }
    void sequences()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, states);
        QCOMPARE(steps.size(), states.size());
        UndoScript script;
        for (int i = 0; i < steps.size(); ++i) {
            const QString actual = script.run(steps.at(i));
            if (actual != states.at(i))
                qWarning("after step %d \"%s\"", i + 1, qPrintable(steps.at(i)));
            QCOMPARE(actual, states.at(i));
        }
    }

    void firstStrokeAfterRememberedSaveMarksUnsaved_data()
    {
        QTest::addColumn<bool>("remember");
        QTest::addColumn<QList<bool>>("signalsAfterSave");
        QTest::newRow("remembered") << true << QList<bool> {false};
        QTest::newRow("not remembered") << false << QList<bool> {};
    }
    void firstStrokeAfterRememberedSaveMarksUnsaved()
    {
        QFETCH(bool, remember);
        QFETCH(QList<bool>, signalsAfterSave);
        Editor editor;
        QImage capture(60, 40, QImage::Format_ARGB32);
        capture.fill(Qt::gray);
        const QString path = QDir::temp().filePath("saved-capture.png");
        QVERIFY(capture.save(path));
        editor.setImagePath(path);
        editor.setImageLoaded(true);
        QSignalSpy saved(&editor, &Editor::imageSaved);

        QVERIFY(editor.save(QDir::temp().filePath("out.png"), remember, -1));
        QCOMPARE(saved.count(), remember ? 1 : 0);
        QCOMPARE(editor.isSaved(), remember);
        saved.clear();

        drag(editor, QPoint(5, 5), QPoint(20, 20));
        editor.undo();
        editor.setShapeType(Editor::Eraser);
        press(editor, QPoint(30, 30));
        editor.setShapeType(Editor::Pen);
        drag(editor, QPoint(10, 10), QPoint(30, 30));
        QList<bool> emitted;
        for (const QList<QVariant> &arguments : saved)
            emitted.append(arguments.first().toBool());
        QCOMPARE(emitted, signalsAfterSave);
        QVERIFY(!editor.isSaved());
    }
};

KESTREL_TEST(TestEditorUndo)
#include "tst_EditorUndo.moc"
