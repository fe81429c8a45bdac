#include "capture/PortalScreenGrabber.h"

#include "platform/Trace.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFile>
#include <QRandomGenerator>
#include <QUrl>

namespace {
const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");
constexpr int kCallTimeoutMs = 10000;
} // namespace

PortalScreenGrabber::PortalScreenGrabber(QDBusConnection bus) : bus_(std::move(bus))
{
    answerTimer_.setSingleShot(true);
    connect(&answerTimer_, &QTimer::timeout, this,
            [this] { fail(tr("The screenshot portal did not answer in time.")); });
}

void PortalScreenGrabber::start()
{
    if (!bus_.isConnected()) {
        const QString message = tr("No D-Bus session bus, so the desktop's screenshot portal "
                                   "(org.freedesktop.portal.Screenshot) cannot be asked.");
        QTimer::singleShot(0, this, [this, message] { fail(message); });
        return;
    }
    // Listening before the call, at the path the portal derives from our name and token,
    // so an early answer is not missed.
    const QString token = QStringLiteral("kestrel%1").arg(QRandomGenerator::global()->generate());
    QString sender = bus_.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    listenTo(QStringLiteral("%1/request/%2/%3").arg(kPath, sender, token));

    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface,
                                                       QStringLiteral("Screenshot"));
    const QVariantMap options {{QStringLiteral("handle_token"), token},
                               {QStringLiteral("interactive"), false},
                               {QStringLiteral("modal"), true}};
    call << QString() << options;
    auto *watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call, kCallTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            &PortalScreenGrabber::onCallFinished);
    answerTimer_.start(kAnswerTimeoutMs);
}

void PortalScreenGrabber::listenTo(const QString &requestPath)
{
    if (requestPath == requestPath_)
        return;
    if (!requestPath_.isEmpty())
        bus_.disconnect(QString(), requestPath_, kRequestInterface, QStringLiteral("Response"),
                        this, SLOT(onResponse(uint, QVariantMap)));
    requestPath_ = requestPath;
    bus_.connect(QString(), requestPath_, kRequestInterface, QStringLiteral("Response"), this,
                 SLOT(onResponse(uint, QVariantMap)));
}

void PortalScreenGrabber::onCallFinished(QDBusPendingCallWatcher *watcher)
{
    watcher->deleteLater();
    const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
    if (reply.isError()) {
        fail(tr("No screenshot portal answered (%1). On Wayland, install xdg-desktop-portal "
                "and the portal of your desktop.")
                     .arg(reply.error().message()));
        return;
    }
    // Older portals choose the request path themselves.
    listenTo(reply.value().path());
}

void PortalScreenGrabber::onResponse(uint response, const QVariantMap &results)
{
    if (done_)
        return;
    if (response == 1) {
        fail(tr("The screenshot was cancelled."));
        return;
    }
    const QString file = QUrl(results.value(QStringLiteral("uri")).toString()).toLocalFile();
    QImage image;
    if (response != 0 || file.isEmpty() || !image.load(file)) {
        fail(tr("The screenshot portal gave no picture."));
        return;
    }
    // The desktop wrote the picture for us alone; the capture folder keeps our copy.
    QFile::remove(file);
    done_ = true;
    answerTimer_.stop();
    DesktopImage desktop = emptyDesktop();
    if (desktop.geometry.isEmpty()) {
        desktop.geometry = image.rect();
        desktop.screens = {image.rect()};
    }
    image.setDevicePixelRatio(qreal(image.width()) / desktop.geometry.width());
    desktop.image = image;
    TRACE(2, "%ls", qUtf16Printable(file));
    emit grabbed(desktop);
}

void PortalScreenGrabber::fail(const QString &message)
{
    if (done_)
        return;
    done_ = true;
    answerTimer_.stop();
    emit failed(message);
}
