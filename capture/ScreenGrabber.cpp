#include "capture/ScreenGrabber.h"

#include "capture/PortalScreenGrabber.h"
#include "capture/QtScreenGrabber.h"

#include <QGuiApplication>
#include <QScreen>

QImage DesktopImage::copy(const QRect &area) const
{
    const qreal ratio = image.devicePixelRatio();
    const QRect local = area.translated(-geometry.topLeft());
    const QRect pixels(qRound(local.x() * ratio), qRound(local.y() * ratio),
                       qRound(local.width() * ratio), qRound(local.height() * ratio));
    QImage part = image.copy(pixels);
    part.setDevicePixelRatio(1.0);
    return part;
}

ScreenGrabber::ScreenGrabber(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<DesktopImage>();
}

ScreenGrabber::~ScreenGrabber() = default;

bool ScreenGrabber::isWaylandSession()
{
    // Test and headless platforms read their own screens whatever the session is.
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return false;
    // Under XWayland the X server shows only black, so the session decides, not the platform.
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
            || qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
}

std::unique_ptr<ScreenGrabber> ScreenGrabber::forSession()
{
    if (isWaylandSession())
        return std::make_unique<PortalScreenGrabber>();
    return std::make_unique<QtScreenGrabber>();
}

DesktopImage ScreenGrabber::emptyDesktop()
{
    DesktopImage desktop;
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (const QScreen *screen : screens) {
        desktop.screens << screen->geometry();
        desktop.geometry |= screen->geometry();
    }
    return desktop;
}
