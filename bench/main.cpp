// Timings of the annotation editor on large captures. Prints one figure per line:
// name, value, unit. Times are medians of repeated runs.

#include "editor/DrawingMosaicItem.h"
#include "editor/Editor.h"
#include "editor/StrokeRenderCache.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <malloc.h>
#include <vector>

namespace {

const QSize kCaptureSize(3840, 2160);
const QRect kViewport(1000, 600, 1600, 900);

void report(const char *name, double value, const char *unit)
{
    QTextStream(stdout) << name << ' ' << QString::number(value, 'f', 2) << ' ' << unit << '\n';
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Milliseconds per run of `work`, the median of `runs` runs.
double timeMedian(int runs, const std::function<void(int)> &work)
{
    std::vector<double> times;
    QElapsedTimer timer;
    for (int run = 0; run < runs; ++run) {
        timer.start();
        work(run);
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    return median(times);
}

double residentMegabytes()
{
    malloc_trim(0);
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

// Screen content is not random noise, but noise defeats no optimisation unfairly either.
QImage noisyCapture()
{
    QImage image(kCaptureSize, QImage::Format_ARGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<quint32 *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = 0xff000000u | (random.generate() & 0x00ffffffu);
    }
    return image;
}

void sendMouse(Editor &editor, QEvent::Type type, const QPoint &point, Qt::MouseButtons buttons)
{
    QGraphicsSceneMouseEvent event(type);
    event.setScenePos(point);
    event.setButton(type == QEvent::GraphicsSceneMouseMove ? Qt::NoButton : Qt::LeftButton);
    event.setButtons(buttons);
    QCoreApplication::sendEvent(&editor, &event);
}

void drag(Editor &editor, const QPoint &from, const QPoint &to, int moves)
{
    sendMouse(editor, QEvent::GraphicsSceneMousePress, from, Qt::LeftButton);
    for (int i = 1; i <= moves; ++i)
        sendMouse(editor, QEvent::GraphicsSceneMouseMove, from + (to - from) * i / moves,
                  Qt::LeftButton);
    sendMouse(editor, QEvent::GraphicsSceneMouseRelease, to, Qt::NoButton);
}

// 200 items of every kind spread over the capture, ten of them mosaics.
void crowd(Editor &editor)
{
    const Editor::ShapeType tools[] = {
            Editor::Rect, Editor::Pen,  Editor::Circle,        Editor::Arrow, Editor::Highlighter,
            Editor::Line, Editor::Rect, Editor::SpeechBalloon, Editor::Pen,   Editor::Arrow};
    QRandomGenerator random(11);
    for (int i = 0; i < 200; ++i) {
        editor.setShapeType(i % 20 == 19 ? Editor::Mosaic : tools[i % 10]);
        const QPoint from(random.bounded(kCaptureSize.width() - 400),
                          random.bounded(kCaptureSize.height() - 300));
        const QPoint to = from + QPoint(40 + random.bounded(360), 30 + random.bounded(270));
        drag(editor, from, to, 12);
    }
}

void benchCopy()
{
    const QImage image = noisyCapture();
    report("reference_copy_3840x2160_argb32",
           timeMedian(31,
                      [&image](int) {
                          volatile int w = image.copy().width();
                          (void)w;
                      }),
           "ms");
}

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

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QTemporaryDir dir;
    const QString capturePath = dir.filePath("capture.png");
    const QImage capture = noisyCapture();
    if (!dir.isValid() || !capture.save(capturePath, "PNG", 100))
        return 1;

    benchCopy();
    benchMosaicRebuild(QPixmap::fromImage(capture));
    benchMosaicMemory(capturePath);

    Editor editor;
    editor.setImagePath(capturePath);
    editor.setImageLoaded(true);
    crowd(editor);
    benchRender(editor);
    benchDragStep(editor, false);
    benchDragStep(editor, true);
    return 0;
}
