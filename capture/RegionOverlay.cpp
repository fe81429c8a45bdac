#include "capture/RegionOverlay.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
const QColor kVeil(0, 0, 0, 110);
const QColor kFrame(0x2f, 0x6f, 0xdd);
const QColor kLabelBackground(0x1c, 0x3f, 0x8f, 220);
constexpr int kLabelOffset = 16;
constexpr int kLabelPadding = 4;
} // namespace

RegionOverlay::RegionOverlay(const DesktopImage &desktop, const QRect &shownArea, QWidget *parent)
    : QWidget(parent,
              Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::BypassWindowManagerHint
                      | Qt::Tool),
      frozen_(desktop.copy(shownArea)), shownArea_(shownArea), selection_(desktop.screens)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);
    setWindowTitle(tr("Kestrel region capture"));
    cursor_ = mapFromGlobal(QCursor::pos());
}

void RegionOverlay::present()
{
    setGeometry(shownArea_);
    show();
    raise();
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
    // Bypassing the window manager also bypasses its keyboard focus.
    grabKeyboard();
    grabMouse();
}

void RegionOverlay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect local = shownArea_.translated(-shownArea_.topLeft());
    painter.drawImage(local, frozen_);
    const QRect selection = selection_.rect().translated(-shownArea_.topLeft());
    QRegion veil(local);
    if (!selection.isEmpty())
        veil -= selection;
    for (const QRect &part : veil)
        painter.fillRect(part, kVeil);
    if (selection.isEmpty()) {
        paintLabel(painter, tr("Drag to select a region, Esc to cancel"));
        return;
    }
    painter.setPen(QPen(kFrame, 1));
    painter.drawRect(selection.adjusted(0, 0, -1, -1));
    paintLabel(painter,
               QStringLiteral("%1 \u00d7 %2").arg(selection.width()).arg(selection.height()));
}

// Beside the cursor, turned inwards near the window's right and bottom edges.
void RegionOverlay::paintLabel(QPainter &painter, const QString &text)
{
    QRect box = painter.fontMetrics().boundingRect(text).adjusted(-kLabelPadding, -kLabelPadding,
                                                                  kLabelPadding, kLabelPadding);
    box.moveTopLeft(cursor_ + QPoint(kLabelOffset, kLabelOffset));
    if (box.right() > width())
        box.moveRight(cursor_.x() - kLabelOffset);
    if (box.bottom() > height())
        box.moveBottom(cursor_.y() - kLabelOffset);
    painter.fillRect(box, kLabelBackground);
    painter.setPen(Qt::white);
    painter.drawText(box, Qt::AlignCenter, text);
}

void RegionOverlay::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        cancel();
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    cursor_ = event->pos();
    selection_.begin(toDesktop(event->pos()));
    update();
}

void RegionOverlay::mouseMoveEvent(QMouseEvent *event)
{
    cursor_ = event->pos();
    if (event->buttons() & Qt::LeftButton)
        selection_.extend(toDesktop(event->pos()));
    update();
}

void RegionOverlay::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !selection_.isStarted())
        return;
    selection_.extend(toDesktop(event->pos()));
    // A click without a drag selects nothing; the user may try again.
    if (selection_.rect().isEmpty())
        selection_.clear();
    else
        take();
    update();
}

void RegionOverlay::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        cancel();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!selection_.rect().isEmpty())
            take();
        break;
    default:
        QWidget::keyPressEvent(event);
        break;
    }
}

void RegionOverlay::take()
{
    if (finished_)
        return;
    const QRect region = selection_.rect();
    finish();
    emit selected(region);
}

void RegionOverlay::cancel()
{
    if (finished_)
        return;
    finish();
    emit canceled();
}

void RegionOverlay::finish()
{
    finished_ = true;
    releaseKeyboard();
    releaseMouse();
    hide();
}
