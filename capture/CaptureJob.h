#pragma once

#include "capture/CaptureSettings.h"
#include "capture/ScreenGrabber.h"

#include <QObject>
#include <QPoint>
#include <QString>
#include <memory>

class RegionOverlay;

// One capture from start to hand-off: wait, freeze the screen, let the user pick a region
// when asked, write the PNG into the capture folder, copy it to the clipboard when the
// settings say so, and give it to the editor.
class CaptureJob : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(CaptureJob)

public:
    enum class Mode { FullScreen, Region };
    enum class Outcome { HandedOff, Canceled, Failed };
    Q_ENUM(Outcome)

    CaptureJob(Mode mode, int delayMs, const CaptureSettings &settings, QObject *parent = nullptr);
    ~CaptureJob() override;

    void start();
    // The overlay while the user picks a region, else null.
    RegionOverlay *overlay() const { return overlay_.get(); }

signals:
    // Emitted once; when the capture did not reach the editor, message says why.
    void finished(CaptureJob::Outcome outcome, const QString &message);

private:
    void grab();
    void onGrabbed(const DesktopImage &desktop);
    void deliver(const QImage &image, const QPoint &point);
    void finish(Outcome outcome, const QString &message);

    const Mode mode_;
    const int delayMs_;
    const CaptureSettings settings_;
    std::unique_ptr<ScreenGrabber> grabber_;
    std::unique_ptr<RegionOverlay> overlay_;
    bool finished_ = false;
};
