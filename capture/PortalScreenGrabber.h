#pragma once

#include "capture/ScreenGrabber.h"

#include <QDBusConnection>
#include <QString>
#include <QTimer>
#include <QVariantMap>

class QDBusPendingCallWatcher;

// Asks the desktop for a screenshot through org.freedesktop.portal.Screenshot: one call
// names a request, and the answer arrives later as that request's Response signal with
// the address of the picture the desktop wrote.
class PortalScreenGrabber : public ScreenGrabber
{
    Q_OBJECT
    Q_DISABLE_COPY(PortalScreenGrabber)

public:
    // Long enough for the user to answer the desktop's permission question.
    static constexpr int kAnswerTimeoutMs = 120000;

    explicit PortalScreenGrabber(QDBusConnection bus = QDBusConnection::sessionBus());
    void start() override;

private slots:
    void onResponse(uint response, const QVariantMap &results);

private:
    void onCallFinished(QDBusPendingCallWatcher *watcher);
    void listenTo(const QString &requestPath);
    void fail(const QString &message);

    QDBusConnection bus_;
    QString requestPath_;
    QTimer answerTimer_;
    bool done_ = false;
};
