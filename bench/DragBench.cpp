// Dragging a capture out of the window: what the window waits for before the drag starts,
// beside the PNG encoding and file writing that a worker does meanwhile.

#include "BenchSupport.h"

#include "output/CaptureMimeData.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QThreadPool>

using namespace bench;

namespace {

void runDragBenchmarks()
{
    // The drags write into the capture folder; this one goes with the benchmark.
    QTemporaryDir temp;
    const bool hadTemp = qEnvironmentVariableIsSet("TMPDIR");
    const QByteArray tempBefore = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temp.path()));

    const QImage picture = desktopLike(1, kCaptureSize);
    QWidget source;
    // Offscreen the drag ends at once, so this is the window's whole share of it.
    report("drag_start_window_wait_3840x2160",
           timeMedian(11, [&](int) { CaptureMimeData::startDrag(&source, picture); }), "ms");
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Until then a drop waits; a drag that encoded first would keep the window this long.
    report("drag_data_ready_3840x2160",
           timeMedian(11,
                      [&](int) {
                          volatile bool written = !CaptureMimeData(picture).filePath().isEmpty();
                          (void)written;
                      }),
           "ms");

    // The picture of a capture further down the history, loaded for the moment.
    Editor editor;
    editor.setImagePath(noisyCapturePath());
    editor.setImageLoaded(true);
    crowd(editor);
    editor.setImageLoaded(false);
    report("drag_picture_of_unshown_capture_3840x2160_200_items",
           timeMedian(5,
                      [&](int) {
                          volatile bool n = editor.picture().isNull();
                          (void)n;
                      }),
           "ms");
    reportReferenceCopy();
    if (hadTemp)
        qputenv("TMPDIR", tempBefore);
    else
        qunsetenv("TMPDIR");
}

const bool registered = bench::add("drag", runDragBenchmarks);

} // namespace
