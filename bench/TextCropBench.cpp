// Timings of the text and crop tools on a 1600x900 view showing a 3840x2160 capture with 200
// items: one typed character, and one step of dragging the crop frame's corner, each up to
// the end of the view's repaint.

#include "BenchSupport.h"

#include "editor/DrawingCropItem.h"
#include "editor/DrawingTextItem.h"
#include "view/EditorView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <memory>

using namespace bench;

namespace {

void viewMouse(EditorView &view, QEvent::Type type, const QPoint &point, Qt::MouseButtons buttons)
{
    QWidget *viewport = view.viewport();
    QMouseEvent event(
            type, point, viewport->mapTo(viewport->window(), point), viewport->mapToGlobal(point),
            type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &event);
}

void benchTyping(EditorView &view, PaintCounter &repaints, Editor &editor)
{
    editor.setShapeType(Editor::Text);
    const QPoint click(400, 300);
    viewMouse(view, QEvent::MouseButtonPress, click, Qt::LeftButton);
    viewMouse(view, QEvent::MouseButtonRelease, click, Qt::NoButton);
    repaints.settle();
    const QList<QGraphicsItem *> selected = editor.selectedItems();
    auto *box = selected.isEmpty() ? nullptr : dynamic_cast<DrawingTextItem *>(selected.first());
    if (!box) {
        report("text_type_char_1600x900_3840x2160_200_items", -1, "ms");
        return;
    }
    const double ms = timeMedian(41, [&](int run) {
        const QString letter(QChar('a' + run % 26));
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A + run % 26, Qt::NoModifier, letter);
        editor.sendEvent(box, &press);
        repaints.settle();
    });
    report("text_type_char_1600x900_3840x2160_200_items", ms, "ms");
    editor.setShapeType(Editor::Rect);
    repaints.settle();
}

void benchCropDrag(EditorView &view, PaintCounter &repaints, Editor &editor)
{
    editor.setShapeType(Editor::Crop);
    editor.startCrop();
    repaints.settle();
    const QPoint corner =
            view.mapFromScene(QPointF(kCaptureSize.width() - 4, kCaptureSize.height() - 4));
    viewMouse(view, QEvent::MouseButtonPress, corner, Qt::LeftButton);
    repaints.settle();
    const double ms = timeMedian(41, [&](int run) {
        viewMouse(view, QEvent::MouseMove, corner - QPoint(5 + run * 3, 3 + run * 2),
                  Qt::LeftButton);
        repaints.settle();
    });
    viewMouse(view, QEvent::MouseButtonRelease, corner, Qt::NoButton);
    report("crop_handle_drag_step_1600x900_3840x2160_200_items", ms, "ms");
    editor.setShapeType(Editor::Rect);
    repaints.settle();
}

void runTextCropBenchmarks()
{
    auto editor = std::make_unique<Editor>();
    editor->setImagePath(noisyCapturePath());
    editor->setImageLoaded(true);
    crowd(*editor);
    QWidget window;
    window.resize(kViewport.size());
    auto *view = new EditorView(&window);
    view->setFrameShape(QFrame::NoFrame);
    view->resize(kViewport.size());
    window.show();
    PaintCounter repaints(view->viewport());
    view->setEditor(editor.get());
    repaints.settle();
    benchTyping(*view, repaints, *editor);
    benchCropDrag(*view, repaints, *editor);
    view->setEditor(nullptr);
}

} // namespace

static const bool registered = bench::add("textcrop", runTextCropBenchmarks);
