#include "capture/CaptureTray.h"

#include "capture/EditorHandOff.h"
#include "platform/CaptureProgramLink.h"
#include "platform/Trace.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>

namespace {
// Time for the tray menu to disappear before the screen is frozen.
constexpr int kMenuCloseMs = 300;
} // namespace

CaptureTray::CaptureTray(QObject *parent)
    : QObject(parent), icon_(QIcon(QStringLiteral(":/res/Kestrel.svg"))),
      settings_(CaptureSettings::load())
{
    menu_.addAction(tr("Region capture"), this, &CaptureTray::captureRegion);
    menu_.addAction(tr("Full-screen capture"), this, &CaptureTray::captureFullScreen);
    menu_.addSeparator();
    menu_.addAction(tr("Show editor"), this, &CaptureTray::showEditor);
    menu_.addAction(tr("Preferences"), this, &CaptureTray::openPreferences);
    menu_.addSeparator();
    menu_.addAction(tr("Quit"), qApp, &QCoreApplication::quit);
    icon_.setContextMenu(&menu_);
    icon_.setToolTip(tr("Kestrel capture"));
    connect(&icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger)
                    captureRegion();
            });
    connect(&window_, &CaptureWindow::messagePosted, this, &CaptureTray::onMessagePosted);
}

CaptureTray::~CaptureTray() = default;

bool CaptureTray::start(QString *error)
{
    if (!window_.listen(error))
        return false;
    if (QSystemTrayIcon::isSystemTrayAvailable())
        icon_.show();
    else
        notice(tr("The desktop shows no tray; the capture program still answers the editor."));
    return true;
}

void CaptureTray::onMessagePosted(uint message, int, int)
{
    switch (message) {
    case CaptureMessage::NewCaptureRequested:
        captureRegion();
        break;
    case CaptureMessage::PreferencesOpening:
    case CaptureMessage::PreferencesFinished:
        settings_ = CaptureSettings::load();
        break;
    case CaptureMessage::OnlineUpdateRequested:
        notice(tr("Kestrel is updated by your distribution's package manager."));
        break;
    default:
        break; // traced by the window; nothing else to do here
    }
}

void CaptureTray::captureRegion()
{
    capture(CaptureJob::Mode::Region);
}

void CaptureTray::captureFullScreen()
{
    capture(CaptureJob::Mode::FullScreen);
}

void CaptureTray::capture(CaptureJob::Mode mode)
{
    if (job_)
        return; // one capture at a time; the overlay of the running one is on screen
    job_ = std::make_unique<CaptureJob>(mode, kMenuCloseMs, settings_);
    connect(job_.get(), &CaptureJob::finished, this,
            [this](CaptureJob::Outcome outcome, const QString &message) {
                if (outcome == CaptureJob::Outcome::Failed)
                    notice(message);
                job_.release()->deleteLater();
            });
    job_->start();
}

void CaptureTray::showEditor()
{
    sendToEditor({QStringLiteral("/show")});
}

void CaptureTray::openPreferences()
{
    sendToEditor({QStringLiteral("/preference"), QStringLiteral("0")});
}

void CaptureTray::sendToEditor(const QStringList &arguments)
{
    QString error;
    if (!EditorHandOff::send(arguments, &error))
        notice(error);
}

void CaptureTray::notice(const QString &text)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                 qPrintable(text));
    if (icon_.isVisible())
        icon_.showMessage(tr("Kestrel"), text);
    emit noticed(text);
}
