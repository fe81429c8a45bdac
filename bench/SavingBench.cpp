// Saving every capture of a full history at once, beside what Qt's PNG writer alone takes
// for the same pictures, and how long the event loop waits meanwhile.

#include "BenchSupport.h"

#include "history/History.h"
#include "history/HistoryListWidget.h"
#include "history/HistoryListWidgetItem.h"
#include "history/HistoryWidget.h"
#include "history/MultiSaver.h"
#include "preferences/KestrelPreferences.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTimer>

using namespace bench;

namespace {

constexpr int kCaptures = HistoryWidget::kMaximumCount;
constexpr int kRuns = 3;
const QSize kFullHd(1920, 1080);

struct Figures
{
    double perImage = 0;
    double longestGap = 0;
};

// One save of all captures into a new empty folder, with a 10 ms timer noting the longest
// wait between its ticks.
Figures saveAll(KestrelPreferences &preferences, QWidget &window,
                const QList<Editor *> &oldestFirst, const QString &folder)
{
    preferences.setString(KestrelPreferences::FilePath, folder);

    QElapsedTimer sinceTick;
    double longestGap = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, sinceTick.nsecsElapsed() / 1e6);
        sinceTick.start();
    });
    ticker.start(10);
    sinceTick.start();
    QElapsedTimer timer;
    timer.start();
    const MultiSaver::Result result = MultiSaver(preferences, &window).save(oldestFirst);
    const double total = timer.nsecsElapsed() / 1e6;
    longestGap = std::max(longestGap, sinceTick.nsecsElapsed() / 1e6);
    if (result.saved != kCaptures)
        qFatal("saved %d of %d captures", result.saved, kCaptures);
    return {total / kCaptures, longestGap};
}

// What saving them one after another through the editor takes, as a save of one capture does.
double saveOneByOne(const QList<Editor *> &editors, const QString &folder)
{
    QDir().mkpath(folder);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < editors.size(); ++i) {
        if (!editors.at(i)->save(QDir(folder).filePath(QStringLiteral("%1.png").arg(i)), false, -1))
            qFatal("editor save failed");
    }
    return timer.nsecsElapsed() / 1e6 / editors.size();
}

double writeAllBare(const QList<QImage> &pictures, const QString &folder)
{
    QDir().mkpath(folder);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < pictures.size(); ++i) {
        QImageWriter writer(QDir(folder).filePath(QStringLiteral("%1.png").arg(i)), "png");
        if (!writer.write(pictures.at(i)))
            qFatal("bare write failed");
    }
    return timer.nsecsElapsed() / 1e6 / pictures.size();
}

void runSavingBenchmarks()
{
    QTemporaryDir dir;
    KestrelPreferences preferences;
    preferences.setInt(KestrelPreferences::FileNameType, 0);
    preferences.setString(KestrelPreferences::FileNameTemplate, QStringLiteral("shot"));
    preferences.setInt(KestrelPreferences::FileFormat, 0);
    HistoryWidget panel;
    panel.setPreferences(&preferences);
    QObject owner;
    QList<QImage> pictures;
    for (int i = 0; i < kCaptures; ++i) {
        pictures << desktopLike(i, kFullHd);
        const QString path = dir.filePath(QStringLiteral("capture-%1.png").arg(i));
        pictures.last().save(path, "PNG");
        auto *editor = new Editor(&owner);
        editor->setImagePath(path);
        panel.listWidget()->addHistory(History(editor), i == kCaptures - 1);
    }
    QCoreApplication::processEvents();

    // The two ways alternate, so both see the same load on the machine.
    QList<Editor *> editors;
    for (int row = panel.listWidget()->count() - 1; row >= 0; --row)
        editors << panel.listWidget()->historyItem(row)->editor();
    std::vector<double> saved, bare, gaps, oneByOne;
    for (int run = 0; run < kRuns; ++run) {
        const Figures figures = saveAll(preferences, panel, editors,
                                        dir.filePath(QStringLiteral("saved-%1").arg(run)));
        saved.push_back(figures.perImage);
        gaps.push_back(figures.longestGap);
        bare.push_back(writeAllBare(pictures, dir.filePath(QStringLiteral("bare-%1").arg(run))));
        oneByOne.push_back(
                saveOneByOne(editors, dir.filePath(QStringLiteral("one-by-one-%1").arg(run))));
    }
    report("saving_all_100_per_image_1920x1080_png", median(saved), "ms");
    report("saving_bare_qimagewriter_per_image_1920x1080_png", median(bare), "ms");
    report("saving_all_100_to_bare_ratio", median(saved) / median(bare), "x");
    report("saving_one_by_one_editor_save_per_image_1920x1080_png", median(oneByOne), "ms");
    report("saving_all_100_longest_event_loop_wait", median(gaps), "ms");
}

const bool registered = bench::add("saving", runSavingBenchmarks);

} // namespace
