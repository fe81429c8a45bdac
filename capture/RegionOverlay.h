#pragma once

#include "capture/RegionSelection.h"
#include "capture/ScreenGrabber.h"

#include <QWidget>

// The frozen desktop shown full screen, on which the user drags the region to capture.
// Escape or the right button cancels; Enter or releasing the drag takes the region.
class RegionOverlay : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(RegionOverlay)

public:
    // shownArea is the part of the desktop this window covers (all of it on X11).
    RegionOverlay(const DesktopImage &desktop, const QRect &shownArea, QWidget *parent = nullptr);

    // Covers shownArea above every other window and takes the keyboard and the mouse.
    void present();
    // The selection in desktop coordinates.
    QRect selection() const { return selection_.rect(); }

signals:
    void selected(const QRect &region);
    void canceled();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPoint toDesktop(const QPoint &local) const { return local + shownArea_.topLeft(); }
    void take();
    void cancel();
    void finish();
    void paintLabel(QPainter &painter, const QString &text);

    const QImage frozen_; // the shown area, painted once per frame without copying
    const QRect shownArea_;
    RegionSelection selection_;
    QPoint cursor_; // local
    bool finished_ = false;
};
