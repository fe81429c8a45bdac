#include "capture/CaptureJob.h"

#include "capture/EditorHandOff.h"
#include "capture/RegionOverlay.h"
#include "platform/CaptureStorage.h"
#include "platform/Trace.h"

#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace {
const QString kFilePrefix = QStringLiteral("Kestrel_");
} // namespace

CaptureJob::CaptureJob(Mode mode, int delayMs, const CaptureSettings &settings, QObject *parent)
    : QObject(parent), mode_(mode), delayMs_(delayMs), settings_(settings)
{ }

CaptureJob::~CaptureJob() = default;

void CaptureJob::start()
{
    TRACE(2, "mode %d in %d ms", int(mode_), delayMs_);
    QTimer::singleShot(qMax(0, delayMs_), this, &CaptureJob::grab);
}

void CaptureJob::grab()
{
    grabber_ = ScreenGrabber::forSession();
    connect(grabber_.get(), &ScreenGrabber::grabbed, this, &CaptureJob::onGrabbed);
    connect(grabber_.get(), &ScreenGrabber::failed, this,
            [this](const QString &message) { finish(Outcome::Failed, message); });
    grabber_->start();
}

void CaptureJob::onGrabbed(const DesktopImage &desktop)
{
    if (mode_ == Mode::FullScreen) {
        deliver(desktop.image, QCursor::pos());
        return;
    }
    // A Wayland window cannot span the desktop, so there the overlay covers one screen.
    QRect shownArea = desktop.geometry;
    if (ScreenGrabber::isWaylandSession() && QGuiApplication::primaryScreen())
        shownArea = QGuiApplication::primaryScreen()->geometry();
    overlay_ = std::make_unique<RegionOverlay>(desktop, shownArea);
    connect(overlay_.get(), &RegionOverlay::selected, this, [this, desktop](const QRect &region) {
        deliver(desktop.copy(region), region.topLeft());
    });
    connect(overlay_.get(), &RegionOverlay::canceled, this,
            [this] { finish(Outcome::Canceled, tr("Region capture cancelled.")); });
    overlay_->present();
}

void CaptureJob::deliver(const QImage &image, const QPoint &point)
{
    QString error;
    const QString file = CaptureStorage::writeNew(image, kFilePrefix, &error);
    if (file.isEmpty()) {
        finish(Outcome::Failed, error);
        return;
    }
    if (settings_.copyToClipboard)
        QGuiApplication::clipboard()->setImage(image);
    if (!EditorHandOff::send(EditorHandOff::captureArguments(file, point, settings_), &error)) {
        finish(Outcome::Failed, error);
        return;
    }
    finish(Outcome::HandedOff, QString());
}

void CaptureJob::finish(Outcome outcome, const QString &message)
{
    if (finished_)
        return;
    finished_ = true;
    if (outcome != Outcome::HandedOff)
        TRACE(1, "%ls", qUtf16Printable(message));
    emit finished(outcome, message);
}
