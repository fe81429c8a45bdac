#include "capture/QtScreenGrabber.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

QtScreenGrabber::QtScreenGrabber() = default;

void QtScreenGrabber::start()
{
    QTimer::singleShot(0, this, &QtScreenGrabber::grab);
}

void QtScreenGrabber::grab()
{
    DesktopImage desktop = emptyDesktop();
    QScreen *primary = QGuiApplication::primaryScreen();
    // The X root window spans every screen, so one grab sees the whole desktop at once.
    const QRect area = desktop.geometry;
    const QPixmap pixmap = primary
            ? primary->grabWindow(0, area.x(), area.y(), area.width(), area.height())
            : QPixmap();
    if (pixmap.isNull() || area.isEmpty()) {
        emit failed(tr("Cannot read the screen."));
        return;
    }
    desktop.image = pixmap.toImage();
    desktop.image.setDevicePixelRatio(qreal(desktop.image.width()) / area.width());
    emit grabbed(desktop);
}
