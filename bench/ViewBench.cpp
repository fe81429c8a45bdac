// Timings of the editor view: a 1600x900 view showing 3840x2160 captures with 200 items each,
// driven by mouse and wheel events and measured up to the end of its repaint.

#include "BenchSupport.h"

#include "view/EditorView.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QWheelEvent>

#include <memory>

using namespace bench;

namespace {

struct Bench
{
    Bench() : counter(view.viewport())
    {
        view.setFrameShape(QFrame::NoFrame);
        view.resize(kViewport.size());
        view.show();
        counter.settle();
    }

    void mouse(QEvent::Type type, const QPoint &point, Qt::MouseButtons buttons)
    {
        QWidget *viewport = view.viewport();
        QMouseEvent event(type, point, viewport->mapTo(viewport->window(), point),
                          viewport->mapToGlobal(point),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &event);
    }

    void wheel(const QPoint &point, int delta, Qt::KeyboardModifiers modifiers)
    {
        QWidget *viewport = view.viewport();
        QWheelEvent event(point, viewport->mapToGlobal(point), QPoint(), QPoint(0, delta),
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(viewport, &event);
    }

    EditorView view;
    PaintCounter counter;
};

std::unique_ptr<Editor> crowdedDocument(const QString &capturePath)
{
    auto editor = std::make_unique<Editor>();
    editor->setImagePath(capturePath);
    editor->setImageLoaded(true);
    crowd(*editor);
    editor->setViewCenter(QPoint(kCaptureSize.width() / 2, kCaptureSize.height() / 2));
    return editor;
}

// One mouse move of a rectangle being dragged, up to the end of the view's repaint.
void benchDragStep(Bench &bench, Editor &editor, double zoom, const char *name)
{
    editor.setZoom(zoom);
    bench.view.setEditor(&editor);
    editor.setShapeType(Editor::Rect);
    bench.counter.settle();
    const QPoint start(300, 200);
    bench.mouse(QEvent::MouseButtonPress, start, Qt::LeftButton);
    bench.counter.settle();
    const double ms = timeMedian(41, [&](int run) {
        bench.mouse(QEvent::MouseMove, start + QPoint(200 + run * 9, 120 + run * 5),
                    Qt::LeftButton);
        bench.counter.settle();
    });
    bench.mouse(QEvent::MouseButtonRelease, start + QPoint(100, 100), Qt::NoButton);
    editor.undo();
    bench.counter.settle();
    report(name, ms, "ms");
}

// Ctrl + wheel steps from 100 % down to 50 % and back, each with its repaint.
void benchWheelZoom(Bench &bench, Editor &editor)
{
    editor.setZoom(1.0);
    bench.view.setEditor(&editor);
    bench.counter.settle();
    const QPoint pointer(900, 400);
    const double ms = timeMedian(30, [&](int run) {
        bench.wheel(pointer, run % 10 < 5 ? -120 : 120, Qt::ControlModifier);
        bench.counter.settle();
    });
    report("view_wheel_zoom_step_1600x900_3840x2160_200_items", ms, "ms");
}

// Showing the other of two documents, as the history does: the document left drops its
// pixels, the one shown loads them (timed apart), then the view switches and repaints.
void benchSwitch(Bench &bench, Editor &first, Editor &second)
{
    Editor *documents[] = {&first, &second};
    bench.view.setEditor(&first);
    bench.counter.settle();
    std::vector<double> reloads;
    std::vector<double> switches;
    QElapsedTimer timer;
    for (int run = 0; run < 11; ++run) {
        Editor *left = documents[run % 2];
        Editor *next = documents[(run + 1) % 2];
        timer.start();
        next->setImageLoaded(true);
        reloads.push_back(timer.nsecsElapsed() / 1e6);
        timer.start();
        bench.view.setEditor(next);
        bench.counter.settle();
        switches.push_back(timer.nsecsElapsed() / 1e6);
        left->setImageLoaded(false);
    }
    report("view_switch_document_1600x900_3840x2160_200_items", median(switches), "ms");
    report("view_switch_pixmap_reload_3840x2160", median(reloads), "ms");
}

void runViewBenchmarks()
{
    reportReferenceCopy();
    const QString capturePath = noisyCapturePath();
    const std::unique_ptr<Editor> first = crowdedDocument(capturePath);
    const std::unique_ptr<Editor> second = crowdedDocument(capturePath);
    Bench bench;
    benchDragStep(bench, *first, 1.0, "view_drag_step_zoom_1.0_1600x900_3840x2160_200_items");
    benchDragStep(bench, *first, 0.5, "view_drag_step_zoom_0.5_1600x900_3840x2160_200_items");
    benchWheelZoom(bench, *first);
    benchSwitch(bench, *first, *second);
    bench.view.setEditor(nullptr);
}

const bool registered = bench::add("view", runViewBenchmarks);

} // namespace
