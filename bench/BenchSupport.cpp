#include "BenchSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGraphicsSceneMouseEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <malloc.h>
#include <memory>

namespace bench {

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

void reportReferenceCopy()
{
    const QImage image = noisyCapture();
    report("reference_copy_3840x2160_argb32",
           timeMedian(31,
                      [&image](int) {
                          volatile int width = image.copy().width();
                          (void)width;
                      }),
           "ms");
}

PaintCounter::PaintCounter(QWidget *viewport) : viewport_(viewport)
{
    viewport_->installEventFilter(this);
}

void PaintCounter::settle()
{
    const int before = paints_;
    for (int i = 0; i < 50 && paints_ == before; ++i)
        QCoreApplication::processEvents();
}

bool PaintCounter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == viewport_ && event->type() == QEvent::Paint)
        ++paints_;
    return false;
}

QString noisyCapturePath()
{
    static QTemporaryDir dir;
    static const QString path = dir.filePath("capture.png");
    if (!QFile::exists(path))
        noisyCapture().save(path, "PNG", 100);
    return path;
}

namespace {
std::vector<std::pair<QString, Suite>> &suites()
{
    static std::vector<std::pair<QString, Suite>> all;
    return all;
}
} // namespace

bool add(const char *name, Suite suite)
{
    suites().emplace_back(QString::fromLatin1(name), std::move(suite));
    return true;
}

int runAll(const QStringList &only)
{
    for (const auto &suite : suites()) {
        if (only.isEmpty() || only.contains(suite.first))
            suite.second();
    }
    return 0;
}

QImage desktopLike(int seed, const QSize &size)
{
    // Laid out for 1920 x 1080 and scaled to the size asked for.
    const QSize layout(1920, 1080);
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.scale(double(size.width()) / layout.width(), double(size.height()) / layout.height());
    QLinearGradient gradient(0, 0, layout.width(), layout.height());
    gradient.setColorAt(0, QColor::fromHsv((seed * 37) % 360, 120, 200));
    gradient.setColorAt(1, QColor::fromHsv((seed * 37 + 120) % 360, 160, 90));
    painter.fillRect(QRect(QPoint(0, 0), layout), gradient);
    for (int w = 0; w < 4; ++w) {
        const QRect window(80 + w * 420 + seed % 40, 90 + w * 120, 760, 560);
        painter.fillRect(window, Qt::white);
        painter.fillRect(window.adjusted(0, 0, 0, -530), QColor(40, 60, 90));
        for (int line = 0; line < 24; ++line) {
            const int width = 120 + ((seed * 13 + line * 71 + w * 5) % 560);
            painter.fillRect(window.left() + 20, window.top() + 50 + line * 20, width, 8,
                             QColor(60, 60, 60));
        }
    }
    return image;
}

} // namespace bench
