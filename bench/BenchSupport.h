#pragma once

// What every benchmark shares: figures printed one per line (name, value, unit), medians of
// repeated runs, and the test captures and input the annotation benchmarks work on.

#include "editor/Editor.h"

#include <QEvent>
#include <QImage>
#include <QObject>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

namespace bench {

extern const QSize kCaptureSize;
extern const QRect kViewport;

void report(const char *name, double value, const char *unit);
double median(std::vector<double> values);
// Milliseconds per run of `work`, the median of `runs` runs.
double timeMedian(int runs, const std::function<void(int)> &work);
double residentMegabytes();

// A 3840x2160 capture of noise: screen content is not random, but noise defeats no
// optimisation unfairly either.
QImage noisyCapture();
// That capture saved as PNG in a folder that lives as long as the program.
QString noisyCapturePath();
// Something like a desktop: a gradient, windows, lines of "text"; each seed differs, so
// no two captures share pixels.
QImage desktopLike(int seed, const QSize &size);

// The figure every group prints beside its own: one copy of a 3840x2160 image.
void reportReferenceCopy();

// Counts a viewport's paint events, so a step is timed up to the end of its repaint.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *viewport);
    // Runs the event loop until the viewport has painted again.
    void settle();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *viewport_;
    int paints_ = 0;
};

void sendMouse(Editor &editor, QEvent::Type type, const QPoint &point, Qt::MouseButtons buttons);
void drag(Editor &editor, const QPoint &from, const QPoint &to, int moves);
// 200 items of every kind spread over the capture, ten of them mosaics.
void crowd(Editor &editor);

// A group of benchmarks, run by main in the order of registration:
// static const bool registered = bench::add("view", runViewBenchmarks);
using Suite = std::function<void()>;
bool add(const char *name, Suite suite);
int runAll(const QStringList &only);

} // namespace bench
