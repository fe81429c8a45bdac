#include "history/MultiSaver.h"

#include "editor/Editor.h"
#include "output/FileNameUtil.h"
#include "output/ImageFileWriter.h"
#include "output/ReservedFile.h"
#include "output/SaveSettings.h"

#include <QDir>
#include <QEventLoop>
#include <QPointer>
#include <QProgressDialog>
#include <QThread>

#include <algorithm>
#include <atomic>

namespace {

// Each job holds one decoded picture; a few at a time keep every core busy.
constexpr int kMaxJobs = 4;

} // namespace

struct MultiSaver::Job
{
    int index = 0;
    QPointer<Editor> editor;
    ReservedFile file;
    // Written by the worker before it sets `done`.
    bool written = false;
    std::atomic<bool> done {false};
};

MultiSaver::MultiSaver(const KestrelPreferences &preferences, QWidget *window)
    : preferences_(preferences), window_(window)
{
    pool_.setMaxThreadCount(qBound(1, QThread::idealThreadCount(), kMaxJobs));
}

MultiSaver::~MultiSaver()
{
    pool_.waitForDone();
}

MultiSaver::Result MultiSaver::save(const QList<Editor *> &editors)
{
    Result result;
    const QString folder = SaveSettings::saveFolder(preferences_);
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        result.failed = editors.size();
        return result;
    }
    const FileNameUtil names(&preferences_);
    const QString base = names.fileName(folder);
    const int quality = SaveSettings::jpgQuality(preferences_);
    const QList<QPointer<Editor>> captures(editors.cbegin(), editors.cend());

    // Watched: it goes with the window should the program end meanwhile.
    QPointer<QProgressDialog> progress = new QProgressDialog(
            tr("Saving captured images..."), QString(), 0, captures.size(), window_);
    progress->setMinimumDuration(kProgressDelayMs);
    if (window_)
        progress->setWindowTitle(window_->window()->windowTitle());
    progress->setValue(0);
    finished_ = 0;
    firstIndex_ = 0;
    auto advance = [&] {
        harvestFinished(result);
        if (progress)
            progress->setValue(finished_);
    };

    bool leaving = false;
    for (int i = 0; i < captures.size() && !leaving; ++i) {
        while (int(running_.size()) >= pool_.maxThreadCount() && !leaving) {
            leaving = !waitForAnyJob();
            advance();
        }
        if (leaving)
            break;
        auto job = std::make_unique<Job>();
        job->index = i;
        job->editor = captures.at(i);
        if (job->editor)
            job->file = names.reserveNumberedFileName(base);
        start(quality, std::move(job));
    }
    while (!running_.empty()) {
        if (leaving)
            pool_.waitForDone();
        else
            leaving = !waitForAnyJob();
        advance();
    }
    // Captures never started because the program is ending count as not saved.
    result.failed = captures.size() - result.saved;
    delete progress;
    return result;
}

void MultiSaver::start(int quality, std::unique_ptr<Job> job)
{
    Job *const raw = job.get();
    running_.push_back(std::move(job));
    Editor *editor = raw->editor;
    if (!editor || !raw->file.isValid()) {
        raw->done = true;
        return;
    }
    const QString target = raw->file.path();
    if (editor->shapeType() == Editor::TextEditing || editor->shapeType() == Editor::Crop) {
        // An open text box or crop frame ends as in any save of the capture.
        raw->written = editor->save(target, false, quality);
        raw->done = true;
        return;
    }
    // Without items or crop the file holds the capture's own pixels, decoded by the worker.
    const bool plain = editor->items().isEmpty() && editor->cropRect().isEmpty();
    const QString capture = plain ? editor->imagePath() : QString();
    const QImage picture = plain ? QImage() : editor->picture();
    pool_.start([this, raw, capture, picture, target, quality] {
        const QImage image = capture.isEmpty() ? picture : Editor::loadCapture(capture);
        raw->written = !image.isNull() && ImageFileWriter(target).write(image, quality);
        raw->done = true;
        QMetaObject::invokeMethod(this, &MultiSaver::onJobDone, Qt::QueuedConnection);
    });
}

bool MultiSaver::waitForAnyJob()
{
    QEventLoop loop;
    waiting_ = &loop;
    const bool anyDone =
            std::any_of(running_.cbegin(), running_.cend(),
                        [](const std::unique_ptr<Job> &job) { return job->done.load(); });
    // Even then the loop runs once, so waiting events are served between any two saves.
    if (anyDone)
        QMetaObject::invokeMethod(
                &loop, [&loop] { loop.exit(1); }, Qt::QueuedConnection);
    const int code = loop.exec(QEventLoop::ExcludeUserInputEvents);
    waiting_ = nullptr;
    return code == 1;
}

void MultiSaver::onJobDone()
{
    if (waiting_)
        waiting_->exit(1);
}

void MultiSaver::harvestFinished(Result &result)
{
    for (auto it = running_.begin(); it != running_.end();) {
        Job &job = **it;
        if (!job.done) {
            ++it;
            continue;
        }
        ++finished_;
        if (job.written) {
            job.file.keep();
            if (job.editor)
                job.editor->setSavedPath(job.file.path());
            if (result.saved++ == 0 || job.index < firstIndex_) {
                result.firstPath = job.file.path();
                firstIndex_ = job.index;
            }
        }
        it = running_.erase(it);
    }
}
