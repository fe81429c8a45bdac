#include "editor/DrawingCropItem.h"
#include "editor/DrawingTextItem.h"
#include "editor/ImageCropper.h"
#include "support/DataRow.h"
#include "tests/editor/EditorTestSupport.h"
#include "view/EditorView.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QTest>
#include <QTextDocument>

using namespace EditorTestSupport;

namespace {

// A click with the text tool at `at`; the open box.
DrawingTextItem *openBox(Editor &editor, const QPoint &at)
{
    editor.setShapeType(Editor::Text);
    mouse(editor, QEvent::GraphicsSceneMousePress, at);
    mouse(editor, QEvent::GraphicsSceneMouseRelease, at);
    const QList<QGraphicsItem *> selected = editor.selectedItems();
    return selected.isEmpty() ? nullptr : dynamic_cast<DrawingTextItem *>(selected.first());
}

// Text arriving as an input method commits it, as Hangul does.
void type(Editor &editor, DrawingTextItem *box, const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    editor.sendEvent(box, &event);
}

// The crop frame of a new crop command, moved to `frame` and ended.
QPointer<DrawingCropItem> cropTo(Editor &editor, const QRect &frame, bool apply)
{
    editor.setShapeType(Editor::Crop);
    editor.startCrop();
    QPointer<DrawingCropItem> item = dynamic_cast<DrawingCropItem *>(editor.undoList().last());
    item->cropper()->setCroppingRect(frame);
    item->finish(apply);
    return item;
}

} // namespace

class TestTextAndCrop : public QObject
{
    Q_OBJECT

private slots:
    // Typed text is lost only to Escape; an empty box never stays.
    void textBoxEnds_data()
    {
        columns<QString, QString, bool, Editor::ShapeType>("text", "ending", "kept", "toolAfter");
        const QString none, typed = "abc";
        row("click-click, nothing typed", none, QString("click"), false, Editor::Text);
        row("typed, click elsewhere", typed, QString("click"), true, Editor::Text);
        row("typed Hangul, tool switch", QString("한글"), QString("tool"), true, Editor::Pen);
        row("empty, tool switch", none, QString("tool"), false, Editor::Pen);
        row("typed, Escape", typed, QString("escape"), false, Editor::Text);
        row("typed, Return", typed, QString("return"), true, Editor::Text);
        row("typed, another capture shown", typed, QString("switch"), true, Editor::Text);
    }
    void textBoxEnds()
    {
        QFETCH(QString, text);
        QFETCH(QString, ending);
        auto editor = editorWith(filledImage(QSize(400, 300)));
        EditorView view;
        view.setEditor(editor.get());
        QPointer<DrawingTextItem> box = openBox(*editor, QPoint(100, 100));
        QVERIFY(box);
        QCOMPARE(editor->shapeType(), Editor::TextEditing);
        type(*editor, box, text);
        if (ending == "click")
            mouse(*editor, QEvent::GraphicsSceneMousePress, QPoint(300, 250));
        else if (ending == "tool")
            editor->setShapeType(Editor::Pen);
        else if (ending == "switch")
            view.setEditor(nullptr);
        else
            box->finish(ending == "return");
        releaseDeleted();
        QFETCH(bool, kept);
        QCOMPARE(!box.isNull(), kept);
        QCOMPARE(editor->undoList().size(), kept ? 1 : 0);
        if (kept)
            QCOMPARE(box->toPlainText(), text);
        QTEST(editor->shapeType(), "toolAfter");
        // The click that closed a box never opens another one.
        QVERIFY(editor->selectedItems().isEmpty());
    }

    void boxWidthFollowsText()
    {
        auto editor = editorWith(filledImage(QSize(2000, 300)));
        DrawingTextItem *box = openBox(*editor, QPoint(10, 100));
        type(*editor, box, QString(80, 'W'));
        QVERIFY(box->boundingRect().width() > 400);
        QCOMPARE(box->document()->lineCount(), 1);
        for (int i = 0; i < 80; ++i) {
            QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
            editor->sendEvent(box, &backspace);
        }
        QCOMPARE(box->boundingRect().width(), DrawingTextItem::kMinWidth);
    }

    void formatBits_data()
    {
        columns<int, bool, bool, bool>("format", "bold", "italic", "underline");
        row("5: bold underlined upright", 5, true, false, true);
        row("2: italic, normal weight", 2, false, true, false);
    }
    void formatBits()
    {
        QFETCH(int, format);
        DrawingTextItem box(QRectF(0, 0, 400, 300));
        box.onChangeFont(24, Qt::red, format);
        QTEST(box.font().bold(), "bold");
        QTEST(box.font().italic(), "italic");
        QTEST(box.font().underline(), "underline");
        QCOMPARE(box.font().pointSize(), 24);
        QCOMPARE(box.defaultTextColor(), QColor(Qt::red));
    }

    // A drag on the frame (100, 100, 200 x 150) over a 400 x 300 picture.
    void frameDrags_data()
    {
        columns<QPoint, QPoint, QRect>("from", "by", "expected");
        const QRect frame(100, 100, 200, 150);
        // clang-format off
        row("5 inside top-left resizes",     QPoint(105, 105), QPoint(-20, -10), QRect(80, 90, 220, 160));
        row("15 inside top-left moves",      QPoint(115, 115), QPoint(-20, -10), QRect(80, 90, 200, 150));
        row("move stops at right edge",      QPoint(200, 170), QPoint(900, 0),   QRect(200, 100, 200, 150));
        row("move stops at top edge",        QPoint(200, 170), QPoint(0, -500),  QRect(100, 0, 200, 150));
        row("left edge stops at picture",    QPoint(101, 170), QPoint(-500, 0),  QRect(0, 100, 300, 150));
        row("top edge stops at picture",     QPoint(200, 101), QPoint(0, -500),  QRect(100, 0, 200, 250));
        row("bottom-right stops at picture", QPoint(298, 248), QPoint(500, 500), QRect(100, 100, 300, 200));
        row("below 50 refused",              QPoint(298, 170), QPoint(-160, 0),  frame);
        row("inside out refused",            QPoint(298, 170), QPoint(-400, 0),  frame);
        // clang-format on
    }
    void frameDrags()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, by);
        ImageCropper cropper;
        cropper.setFixedSize(400, 300);
        cropper.setPicture(QPixmap::fromImage(filledImage(QSize(400, 300))));
        cropper.setCroppingRect(QRect(100, 100, 200, 150));
        dragOn(&cropper, {from, from + by});
        QTEST(cropper.croppingRect(), "expected");
    }

    void exactSizes_data()
    {
        columns<QSize, QSize>("typed", "expected");
        row("beyond the picture", QSize(5000, 5000), QSize(900, 700));
        row("inside", QSize(300, 200), QSize(300, 200));
        row("nothing", QSize(0, -5), QSize(1, 1));
    }
    void exactSizes()
    {
        ImageCropper cropper;
        cropper.setFixedSize(1000, 800);
        cropper.setPicture(QPixmap::fromImage(filledImage(QSize(1000, 800))));
        cropper.setCroppingRect(QRect(100, 100, 50, 50));
        QFETCH(QSize, typed);
        cropper.setCropSize(typed.width(), typed.height());
        QCOMPARE(cropper.croppingRect().topLeft(), QPoint(100, 100));
        QTEST(cropper.croppingRect().size(), "expected");
    }

    void cropUndoRedo()
    {
        auto editor = editorWith(filledImage(QSize(400, 300)));
        const QRect first(50, 40, 200, 150);
        QPointer<DrawingCropItem> one = cropTo(*editor, first, true);
        QCOMPARE(editor->cropRect(), first);
        QCOMPARE(editor->shapeType(), Editor::Rect);
        releaseDeleted();
        QVERIFY(!one->cropper());
        editor->undo();
        QCOMPARE(editor->imageRect(), QRect(0, 0, 400, 300));
        editor->redo();
        QCOMPARE(editor->cropRect(), first);
        // The second frame starts at the first crop; undoing it restores the first.
        editor->setShapeType(Editor::Crop);
        editor->startCrop();
        auto *two = dynamic_cast<DrawingCropItem *>(editor->undoList().last());
        QCOMPARE(two->cropRect(), first);
        two->cropper()->setCroppingRect(QRect(60, 50, 60, 60));
        two->finish(true);
        QCOMPARE(editor->cropRect(), QRect(60, 50, 60, 60));
        editor->undo();
        QCOMPARE(editor->cropRect(), first);
        // Cancelled: crop unchanged, the item neither listed nor kept.
        QPointer<DrawingCropItem> cancelled = cropTo(*editor, QRect(0, 0, 80, 80), false);
        releaseDeleted();
        QVERIFY(cancelled.isNull());
        QCOMPARE(editor->cropRect(), first);
        QCOMPARE(editor->undoList().size(), 1);
        // An undone crop overwritten by a new stroke is freed.
        editor->undo();
        drag(*editor, {QPoint(10, 10), QPoint(50, 50)});
        releaseDeleted();
        QVERIFY(one.isNull());
        QCOMPARE(editor->imageRect(), QRect(0, 0, 400, 300));
    }

    // The saved picture: cropped, text inside, nothing of an open frame; a closed box cut by
    // the crop paints nothing outside it.
    void renderedAndSavedPixels()
    {
        auto editor = editorWith(filledImage(QSize(400, 300)));
        DrawingTextItem *box = openBox(*editor, QPoint(20, 150));
        box->onChangeFont(30, Qt::black, DrawingTextItem::Bold);
        type(*editor, box, "WWWWWWWW");
        editor->setShapeType(Editor::Rect);
        const QRect crop(100, 100, 200, 100);
        cropTo(*editor, crop, true);
        const QImage saved = editor->render(false).toImage();
        QCOMPARE(saved.size(), crop.size());
        int dark = 0;
        for (int x = 0; x < saved.width(); ++x)
            dark += qGray(saved.pixel(x, 50)) < 100;
        QVERIFY(dark > 10);
        const QImage whole = editor->render(true).toImage();
        for (int x = 0; x < 100; ++x)
            QCOMPARE(whole.pixel(x, 150), qRgb(255, 255, 255));
        // An open crop frame is not part of the picture.
        editor->setShapeType(Editor::Crop);
        editor->startCrop();
        const QString path = QDir::temp().filePath("cropped.png");
        QVERIFY(editor->save(path, false, -1));
        QCOMPARE(QImage(path).convertToFormat(QImage::Format_RGB32),
                 saved.convertToFormat(QImage::Format_RGB32));
    }
};

QTEST_MAIN(TestTextAndCrop)
#include "tst_TextAndCrop.moc"
