#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QThreadPool>

#include <memory>
#include <vector>

class Editor;
class KestrelPreferences;
class QEventLoop;
class QWidget;

// Saves several captures at once into the multi-save folder ("FilePath") under numbered
// names, and marks each capture that was written saved.
//
// Names are reserved one by one in the order given, so the numbers follow that order and
// nothing already on disk is replaced. Decoding and encoding run on worker threads while
// the event loop keeps the window painted and the local channel served; user input waits
// until the save is over, so no capture changes between its picture and its saved mark.
// A progress dialog appears when the save takes a while.
class MultiSaver : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(MultiSaver)

public:
    struct Result
    {
        int saved = 0;
        int failed = 0;
        // The first capture in the given order that was written.
        QString firstPath;
    };

    // The progress dialog shows after this long.
    static constexpr int kProgressDelayMs = 500;

    MultiSaver(const KestrelPreferences &preferences, QWidget *window);
    ~MultiSaver() override;

    // An empty folder name or one that cannot be created fails every capture.
    Result save(const QList<Editor *> &editors);

private:
    struct Job;

    void start(int quality, std::unique_ptr<Job> job);
    // Runs the event loop until some job is done, at least one pass; false when the
    // application is leaving and no more loops will run.
    bool waitForAnyJob();
    void harvestFinished(Result &result);
    void onJobDone();

    const KestrelPreferences &preferences_;
    QWidget *const window_;
    std::vector<std::unique_ptr<Job>> running_;
    QEventLoop *waiting_ = nullptr;
    int finished_ = 0;
    int firstIndex_ = 0;
    // Last: destroyed first, so it waits for every worker before the jobs go.
    QThreadPool pool_;
};
