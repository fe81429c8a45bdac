// The capture history: adding a capture to a long history, the thumbnail refresh after an
// edit, and what a hundred captures cost in memory.

#include "BenchSupport.h"

#include "history/History.h"
#include "history/HistoryButtonWidget.h"
#include "history/HistoryListWidget.h"
#include "history/HistoryWidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>

using namespace bench;

namespace {

constexpr int kCaptures = HistoryWidget::kMaximumCount;
const QSize kFullHd(1920, 1080);

QStringList writeCaptures(const QTemporaryDir &dir)
{
    QStringList paths;
    for (int i = 0; i < kCaptures; ++i) {
        paths << dir.filePath(QStringLiteral("capture-%1.png").arg(i));
        desktopLike(i, kFullHd).save(paths.last(), "PNG");
    }
    return paths;
}

Editor *addCapture(HistoryWidget &panel, QObject &owner, const QString &path)
{
    auto *editor = new Editor(&owner);
    editor->setImagePath(path);
    panel.addHistory(History(editor));
    // Layout and paint of the panel belong to the addition.
    QCoreApplication::processEvents();
    return editor;
}

void releaseDeleted()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void benchMemory(const QStringList &paths)
{
    HistoryWidget panel;
    panel.resize(172, 900);
    panel.show();
    QObject owner;
    addCapture(panel, owner, paths.first());
    const double one = residentMegabytes();
    for (int i = 1; i < paths.size(); ++i)
        addCapture(panel, owner, paths.at(i));
    const double hundred = residentMegabytes();
    report("history_rss_1_capture_1920x1080", one, "MB");
    report("history_rss_100_captures_1920x1080", hundred, "MB");
    report("history_rss_growth_99_captures", hundred - one, "MB");
}

void benchAdd(const QStringList &paths)
{
    HistoryWidget panel;
    panel.resize(172, 900);
    panel.show();
    QObject owner;
    for (int i = 0; i < kCaptures - 1; ++i)
        addCapture(panel, owner, paths.at(i));
    // Decode and addition alternate, so both see the same load on the machine.
    const QString last = paths.last();
    std::vector<double> decodes, adds;
    QElapsedTimer timer;
    for (int run = 0; run < 21; ++run) {
        timer.start();
        volatile bool n = QImageReader(last).read().isNull();
        (void)n;
        decodes.push_back(timer.nsecsElapsed() / 1e6);
        timer.start();
        addCapture(panel, owner, last);
        adds.push_back(timer.nsecsElapsed() / 1e6);
        panel.listWidget()->deleteRow(0, false);
        releaseDeleted();
    }
    const double decode = median(decodes);
    const double add = median(adds);
    report("history_png_decode_1920x1080", decode, "ms");
    report("history_add_100th_capture_1920x1080", add, "ms");
    report("history_add_100th_beyond_decode", add - decode, "ms");
}

void benchThumbnail()
{
    HistoryWidget panel;
    QObject owner;
    auto *editor = new Editor(&owner);
    editor->setImagePath(noisyCapturePath());
    panel.addHistory(History(editor));
    crowd(*editor);
    HistoryButtonWidget *row = panel.listWidget()->buttonWidget(panel.listWidget()->item(0));
    report("history_thumbnail_refresh_3840x2160_200_items",
           timeMedian(31, [row](int) { row->onChangedItemList(); }), "ms");
    // The same refresh the plain way: the whole flattened image, scaled down.
    report("history_thumbnail_full_render_scaled_3840x2160_200_items",
           timeMedian(11,
                      [editor](int) {
                          volatile bool n = editor->render(false)
                                                    .scaled(72, 72, Qt::KeepAspectRatio,
                                                            Qt::FastTransformation)
                                                    .isNull();
                          (void)n;
                      }),
           "ms");
}

void runHistoryBenchmarks()
{
    QTemporaryDir dir;
    const QStringList paths = writeCaptures(dir);
    benchMemory(paths);
    releaseDeleted();
    benchAdd(paths);
    releaseDeleted();
    benchThumbnail();
}

const bool registered = bench::add("history", runHistoryBenchmarks);

} // namespace
