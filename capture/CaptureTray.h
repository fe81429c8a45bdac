#pragma once

#include "capture/CaptureJob.h"
#include "capture/CaptureSettings.h"
#include "capture/CaptureWindow.h"

#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>
#include <memory>

// The capture program kept running: a tray icon with its menu, and the capture window that
// the editor's posted messages reach.
class CaptureTray : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(CaptureTray)

public:
    explicit CaptureTray(QObject *parent = nullptr);
    ~CaptureTray() override;

    // False, with a message for the user in error, when the capture window cannot listen.
    bool start(QString *error);
    const CaptureSettings &settings() const { return settings_; }

public slots:
    void captureRegion();
    void captureFullScreen();
    void showEditor();
    void openPreferences();

signals:
    // Something the user should read, also shown on standard error.
    void noticed(const QString &text);

private:
    void onMessagePosted(uint message, int wParam, int lParam);
    void capture(CaptureJob::Mode mode);
    void sendToEditor(const QStringList &arguments);
    void notice(const QString &text);

    CaptureWindow window_;
    QSystemTrayIcon icon_;
    QMenu menu_;
    CaptureSettings settings_;
    std::unique_ptr<CaptureJob> job_;
};
