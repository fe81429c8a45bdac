#include "editor/ImageCropper.h"

#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kBracketLength = 16;
// How far a corner bracket's arms reach into the frame.
constexpr int kBracketDepth = 4;

QPen framePen(const QColor &color)
{
    return QPen(QBrush(color), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

// An L of 4-pixel arms, 16 pixels long: the 16 x 16 square at `outer` less the 13 x 13
// square at `inner`.
QPainterPath bracket(const QPoint &outer, const QPoint &inner)
{
    QPainterPath square;
    square.addRect(QRect(outer, QSize(kBracketLength, kBracketLength)));
    QPainterPath hole;
    hole.addRect(QRect(inner, QSize(13, 13)));
    return square.subtracted(hole);
}

bool near(int a, int b)
{
    return std::abs(a - b) < ImageCropper::kGrip;
}

} // namespace

ImageCropper::ImageCropper(QWidget *parent) : QWidget(parent, Qt::FramelessWindowHint)
{
    setMouseTracking(true);
}

void ImageCropper::setPicture(const QPixmap &picture)
{
    picture_ = picture;
    update();
}

QRect ImageCropper::pictureRect() const
{
    return picture_.isNull() ? rect() : picture_.rect();
}

void ImageCropper::setCroppingRect(const QRect &rect)
{
    const QRect bounds = pictureRect();
    QRect frame = rect.normalized() & bounds;
    if (frame.isEmpty())
        frame = QRect(bounds.topLeft(), QSize(1, 1));
    setFrame(frame);
}

void ImageCropper::setCropSize(int width, int height)
{
    const QRect bounds = pictureRect();
    const QPoint corner = croppingRect_.topLeft();
    width = std::max(1, std::min(width, bounds.right() + 1 - corner.x()));
    height = std::max(1, std::min(height, bounds.bottom() + 1 - corner.y()));
    setFrame(QRect(corner, QSize(width, height)));
}

void ImageCropper::setFrame(const QRect &frame)
{
    if (frame == croppingRect_)
        return;
    // Only the ring between the old and the new frame changes, with the lines and corner
    // brackets along both; the darkened outside and the picture deep inside stay as they were.
    const int reach = kBracketDepth + 2;
    const QRegion changed = QRegion(croppingRect_.united(frame).adjusted(-2, -2, 2, 2))
                                    .subtracted(croppingRect_.intersected(frame).adjusted(
                                            reach, reach, -reach, -reach));
    croppingRect_ = frame;
    repaintRegion(changed);
}

void ImageCropper::repaintRegion(const QRegion &region)
{
    // Through its proxy the widget would have its whole frame area repainted: the proxy
    // merges the parts into one rectangle. The scene keeps the parts apart.
    QGraphicsProxyWidget *proxy = graphicsProxyWidget();
    if (proxy && proxy->scene()) {
        for (const QRect &part : region)
            proxy->scene()->update(proxy->mapRectToScene(QRectF(part)));
    } else {
        update(region);
    }
}

ImageCropper::Region ImageCropper::regionAt(const QPointF &point) const
{
    const QRect &r = croppingRect_;
    if (!QRectF(r).contains(point))
        return Outside;
    const int x = int(point.x());
    const int y = int(point.y());
    const bool left = near(x, r.left());
    const bool right = near(x, r.right());
    const bool top = near(y, r.top());
    const bool bottom = near(y, r.bottom());
    if (top && left)
        return TopLeft;
    if (bottom && left)
        return BottomLeft;
    if (top && right)
        return TopRight;
    if (bottom && right)
        return BottomRight;
    if (left)
        return LeftEdge;
    if (right)
        return RightEdge;
    if (top)
        return TopEdge;
    if (bottom)
        return BottomEdge;
    return Inside;
}

QCursor ImageCropper::cursorFor(Region region, bool moving)
{
    switch (region) {
    case Outside:
        return Qt::ArrowCursor;
    case TopLeft:
    case BottomRight:
        return Qt::SizeFDiagCursor;
    case BottomLeft:
    case TopRight:
        return Qt::SizeBDiagCursor;
    case LeftEdge:
    case RightEdge:
        return Qt::SizeHorCursor;
    case TopEdge:
    case BottomEdge:
        return Qt::SizeVerCursor;
    case Inside:
        break;
    }
    return moving ? Qt::ClosedHandCursor : Qt::OpenHandCursor;
}

void ImageCropper::updateCursor(Region region)
{
    const QCursor cursor = cursorFor(region, moving_);
    setCursor(cursor);
    emit setProxyCursor(cursor);
}

void ImageCropper::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    startRect_ = croppingRect_;
    if (!QRectF(croppingRect_).contains(event->localPos()))
        return;
    pressPos_ = event->localPos();
    region_ = regionAt(pressPos_);
    moving_ = region_ == Inside;
    resizing_ = !moving_;
    updateCursor(region_);
}

void ImageCropper::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF delta = event->localPos() - pressPos_;
    const QPoint step(int(delta.x()), int(delta.y()));
    if (moving_) {
        const QRect bounds = pictureRect();
        QRect frame = startRect_.translated(step);
        // The frame is never wider than the picture, so one push per edge is enough.
        if (frame.left() < bounds.left())
            frame.moveLeft(bounds.left());
        if (frame.right() > bounds.right())
            frame.moveRight(bounds.right());
        if (frame.top() < bounds.top())
            frame.moveTop(bounds.top());
        if (frame.bottom() > bounds.bottom())
            frame.moveBottom(bounds.bottom());
        setFrame(frame);
        emit move();
    } else if (resizing_) {
        const QRect frame = resized(step);
        if (frame.isNull())
            return;
        setFrame(frame);
        emit sizeChanged(croppingRect_.size());
    } else {
        updateCursor(regionAt(event->localPos()));
    }
}

// startRect_ with the dragged edges moved by `delta` and held inside the picture on every
// side; null when that would turn the frame inside out or make it smaller than the minimum.
QRect ImageCropper::resized(const QPoint &delta) const
{
    QRect frame = startRect_;
    const bool left = region_ == LeftEdge || region_ == TopLeft || region_ == BottomLeft;
    const bool right = region_ == RightEdge || region_ == TopRight || region_ == BottomRight;
    const bool top = region_ == TopEdge || region_ == TopLeft || region_ == TopRight;
    const bool bottom = region_ == BottomEdge || region_ == BottomLeft || region_ == BottomRight;
    if (left)
        frame.setLeft(frame.left() + delta.x());
    if (right)
        frame.setRight(frame.right() + delta.x());
    if (top)
        frame.setTop(frame.top() + delta.y());
    if (bottom)
        frame.setBottom(frame.bottom() + delta.y());
    if (frame.left() >= frame.right() || frame.top() >= frame.bottom())
        return QRect();
    frame &= pictureRect();
    if (frame.width() < kMinResize || frame.height() < kMinResize)
        return QRect();
    return frame;
}

void ImageCropper::mouseReleaseEvent(QMouseEvent *event)
{
    moving_ = false;
    resizing_ = false;
    updateCursor(regionAt(event->localPos()));
}

void ImageCropper::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect exposed = event->rect();
    if (!picture_.isNull())
        painter.drawPixmap(exposed, picture_, exposed);
    const QRegion outside = QRegion(rect()).subtracted(croppingRect_.adjusted(0, 0, -1, -1));
    for (const QRect &part : outside.intersected(exposed))
        painter.fillRect(part, QColor(0, 0, 0, 127));

    painter.setPen(framePen(QColor(0, 127, 245)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(croppingRect_);

    const QRect &r = croppingRect_;
    painter.setPen(framePen(QColor(0, 0, 0, 33)));
    painter.setBrush(Qt::white);
    painter.drawPath(bracket(r.topLeft(), r.topLeft() + QPoint(4, 4)));
    painter.drawPath(bracket(QPoint(r.right() - 15, r.top()), QPoint(r.right() - 16, r.top() + 4)));
    painter.drawPath(
            bracket(QPoint(r.left(), r.bottom() - 15), QPoint(r.left() + 4, r.bottom() - 16)));
    painter.drawPath(bracket(QPoint(r.right() - 15, r.bottom() - 15),
                             QPoint(r.right() - 16, r.bottom() - 16)));
}
