// The main window: from the "/path" command of a new capture to the view painted with it,
// beside the bare decode of the same PNG; and the cold start of the editor on a capture
// beside a QLabel program showing the same picture.

#include "BenchSupport.h"

#include "mainwindow/KestrelEditor.h"
#include "view/EditorView.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

using namespace bench;

namespace {

// Notes a paint of the watched widget; the paint itself is done once processEvents returns.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(QWidget *widget) { widget->installEventFilter(this); }
    bool painted = false;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

void pathToPaint(const char *name, const QSize &size, int runs)
{
    QTemporaryDir dir;
    QStringList paths;
    for (int i = 0; i <= runs; ++i) {
        paths << dir.filePath(QStringLiteral("capture-%1.png").arg(i));
        desktopLike(i, size).save(paths.last(), "PNG");
    }
    const double decode = timeMedian(runs, [&](int i) { QImageReader(paths[i + 1]).read(); });

    KestrelEditor window;
    auto *view = window.findChild<EditorView *>(QStringLiteral("graphicsView_"));
    PaintWatch watch(view->viewport());
    // The window is already up with a capture when the next one arrives.
    window.treatCommand(QStringLiteral("/path \"%1\"").arg(paths[0]));
    while (!watch.painted)
        QCoreApplication::processEvents();
    std::vector<double> times;
    for (int i = 1; i <= runs; ++i) {
        QCoreApplication::processEvents();
        watch.painted = false;
        QElapsedTimer timer;
        timer.start();
        window.treatCommand(QStringLiteral("/path \"%1\"").arg(paths[i]));
        while (!watch.painted)
            QCoreApplication::processEvents();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    const double toPaint = median(times);
    const QByteArray prefix = QByteArray("mainwindow/path-to-paint/") + name;
    report(prefix + "/decode", decode, "ms");
    report(prefix + "/painted", toPaint, "ms");
    report(prefix + "/ratio", toPaint / decode, "x");
}

// Milliseconds from main to the first paint as the program reports it, and from the
// start of the process as seen from here; medians of `runs` starts.
std::pair<double, double> coldStart(const QString &program, const QStringList &arguments, int runs)
{
    std::vector<double> fromMain, fromSpawn;
    for (int i = 0; i < runs; ++i) {
        // A fresh profile and runtime folder each time: no running instance, no settings.
        QTemporaryDir home;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *variable : {"XDG_RUNTIME_DIR", "XDG_CONFIG_HOME"}) {
            QDir().mkpath(home.filePath(variable));
            QFile::setPermissions(home.filePath(variable),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                          | QFileDevice::ExeOwner);
            environment.insert(variable, home.filePath(variable));
        }
        QProcess process;
        process.setProcessEnvironment(environment);
        QElapsedTimer timer;
        timer.start();
        process.start(program, arguments);
        if (!process.waitForFinished(60000))
            process.kill();
        const double spawn = timer.nsecsElapsed() / 1e6;
        const QByteArray output = process.readAllStandardOutput();
        const int at = output.indexOf("painted ");
        if (at < 0)
            return {-1, -1};
        fromMain.push_back(output.mid(at + 8).trimmed().toDouble());
        fromSpawn.push_back(spawn);
    }
    return {median(fromMain), median(fromSpawn)};
}

void runMainWindowBenchmarks()
{
    pathToPaint("1920x1080", QSize(1920, 1080), 15);
    pathToPaint("3840x2160", QSize(3840, 2160), 9);

    QTemporaryDir dir;
    const QString capture = dir.filePath(QStringLiteral("capture.png"));
    desktopLike(1, QSize(1920, 1080)).save(capture, "PNG");
    constexpr int kStarts = 7;
    const auto editor = coldStart(QStringLiteral(KESTREL_COLDSTART_EDITOR),
                                  {"/path", capture, "/point", "100", "100"}, kStarts);
    const auto label = coldStart(QStringLiteral(KESTREL_COLDSTART_LABEL), {capture}, kStarts);
    report("mainwindow/cold-start/editor/main-to-paint", editor.first, "ms");
    report("mainwindow/cold-start/qlabel/main-to-paint", label.first, "ms");
    report("mainwindow/cold-start/ratio", editor.first / label.first, "x");
    report("mainwindow/cold-start/editor/process-to-exit", editor.second, "ms");
    report("mainwindow/cold-start/qlabel/process-to-exit", label.second, "ms");
}

} // namespace

static const bool registered = bench::add("mainwindow", runMainWindowBenchmarks);
