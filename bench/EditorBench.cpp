// Timings of the annotation document on large captures: mosaic pixelation, rendering and
// drag steps.

#include "BenchSupport.h"

#include "editor/DrawingMosaicItem.h"
#include "editor/StrokeRenderCache.h"

#include <QPainter>
#include <QPixmap>

using namespace bench;

namespace {

void benchMosaicRebuild(const QPixmap &source)
{
    for (const QSize size : {QSize(1920, 1080), QSize(3840, 2160)}) {
        QObject owner;
        DrawingMosaicItem item(&owner, QRectF(source.rect()), source);
        item.setBlockSize(6);
        item.mousePress(QPoint(0, 0));
        const QPoint far(size.width(), size.height());
        const double ms = timeMedian(31, [&](int run) {
            // Alternate by one pixel so every move changes the region.
            item.mouseMove(far, far - QPoint(run % 2, run % 2), false);
        });
        const QByteArray name = QStringLiteral("mosaic_rebuild_%1x%2")
                                        .arg(size.width())
                                        .arg(size.height())
                                        .toLatin1();
        report(name.constData(), ms, "ms");
    }
}

void benchRender(Editor &editor)
{
    report("render_false_3840x2160_200_items",
           timeMedian(15,
                      [&editor](int) {
                          volatile bool n = editor.render(false).isNull();
                          (void)n;
                      }),
           "ms");
}

// One step of dragging a rectangle, with the repaint a 1600x900 view at zoom 1 makes: the
// flattened background, then the items over it.
void benchDragStep(Editor &editor, bool cached)
{
    QImage view(kViewport.size(), QImage::Format_ARGB32_Premultiplied);
    editor.setShapeType(Editor::Rect);
    const QPoint start = kViewport.topLeft() + QPoint(200, 150);
    sendMouse(editor, QEvent::GraphicsSceneMousePress, start, Qt::LeftButton);
    const double ms = timeMedian(41, [&](int run) {
        const QPoint point = start + QPoint(300 + run * 9, 200 + run * 5);
        sendMouse(editor, QEvent::GraphicsSceneMouseMove, point, Qt::LeftButton);
        const QPixmap background =
                cached ? editor.render(true) : StrokeRenderCache::flatten(editor, editor.image());
        QPainter painter(&view);
        painter.drawPixmap(QRectF(view.rect()), background, QRectF(kViewport));
        editor.QGraphicsScene::render(&painter, QRectF(view.rect()), QRectF(kViewport));
    });
    sendMouse(editor, QEvent::GraphicsSceneMouseRelease, start + QPoint(100, 100), Qt::NoButton);
    editor.undo();
    report(cached ? "drag_step_3840x2160_200_items_view_1600x900"
                  : "drag_step_3840x2160_200_items_view_1600x900_uncached",
           ms, "ms");
}

void benchMosaicMemory(const QString &capturePath)
{
    Editor editor;
    editor.setImagePath(capturePath);
    editor.setImageLoaded(true);
    editor.setShapeType(Editor::Mosaic);
    const double before = residentMegabytes();
    for (int i = 0; i < 20; ++i) {
        const QPoint from(100 + (i % 6) * 600, 100 + (i / 6) * 520);
        drag(editor, from, from + QPoint(500, 500), 8);
    }
    report("memory_20_mosaics_500x500_on_3840x2160", residentMegabytes() - before, "MB");
}

void runEditorBenchmarks()
{
    const QImage capture = noisyCapture();
    const QString capturePath = noisyCapturePath();
    reportReferenceCopy();
    benchMosaicRebuild(QPixmap::fromImage(capture));
    benchMosaicMemory(capturePath);

    Editor editor;
    editor.setImagePath(capturePath);
    editor.setImageLoaded(true);
    crowd(editor);
    benchRender(editor);
    benchDragStep(editor, false);
    benchDragStep(editor, true);
}

const bool registered = bench::add("editor", runEditorBenchmarks);

} // namespace
