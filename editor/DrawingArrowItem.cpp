#include "editor/DrawingArrowItem.h"

#include "editor/DrawingGeometry.h"

#include <QPainter>

namespace {
constexpr qreal kHeadSize = 7;
constexpr qreal kHitHeadSize = 8;
constexpr qreal kRepaintMargin = 7;

QPointF operator*(qreal factor, const QVector2D &v)
{
    return factor * v.toPointF();
}

bool within(float value, float low, float high)
{
    return value > low && value < high;
}
} // namespace

DrawingArrowItem::DrawingArrowItem(QObject *parent, const QRectF &sceneRect)
    : DrawingItem(parent, sceneRect)
{ }

QRectF DrawingArrowItem::mousePress(const QPoint &point)
{
    startPoint_ = endPoint_ = point;
    setRect(QRectF(startPoint_, endPoint_).normalized());
    return rect();
}

QRectF DrawingArrowItem::mouseMove(const QPoint &, const QPoint &point, bool shift)
{
    moveEnd(point, shift);
    return boundingRect().adjusted(-kRepaintMargin, -kRepaintMargin, kRepaintMargin,
                                   kRepaintMargin);
}

QRectF DrawingArrowItem::mouseRelease(const QPoint &, const QPoint &point, bool shift)
{
    prepareGeometryChange();
    moveEnd(point, shift);
    path_.addPolygon(hitPolygon());
    return boundingRect().adjusted(-kRepaintMargin, -kRepaintMargin, kRepaintMargin,
                                   kRepaintMargin);
}

void DrawingArrowItem::finish(bool) { }

void DrawingArrowItem::moveEnd(const QPoint &point, bool shift)
{
    endPoint_ = shift ? DrawingGeometry::snap45(startPoint_, point) : QPointF(point);
    setRect(QRectF(startPoint_, endPoint_).normalized());
    updateHead();
}

void DrawingArrowItem::updateHead()
{
    const QVector2D shaft(endPoint_ - startPoint_);
    direction_ = shaft.normalized();
    normal_ = QVector2D(-direction_.y(), direction_.x());
    head_.clear();
    head_ << endPoint_ << endPoint_ - kHeadSize * (normal_ + direction_)
          << endPoint_ - kHeadSize * (direction_ - normal_) << endPoint_;
    setRect(rect().united(head_.boundingRect().adjusted(-2, -2, 2, 2)));
}

QPolygonF DrawingArrowItem::hitPolygon() const
{
    QPolygonF tip;
    tip << endPoint_ + direction_.toPointF() << endPoint_ - kHitHeadSize * (direction_ + normal_)
        << endPoint_ - kHitHeadSize * (direction_ - normal_) << endPoint_ + direction_.toPointF();

    // A thin band along the shaft, offset sideways by about one pixel.
    const QVector2D u = -direction_;
    QPointF offset(u.x(), -u.y());
    if (within(u.x(), -1.1f, -0.9f) || within(u.x(), -0.1f, 0.01f))
        offset = QPointF(1, -1);
    else if (within(u.x(), 0.0f, 0.1f) || within(u.x(), 0.9f, 1.1f))
        offset = QPointF(1, 1);
    QPolygonF shaft;
    shaft << endPoint_ - offset << endPoint_ + offset << startPoint_ + offset
          << startPoint_ - offset << endPoint_ - offset;
    return tip.united(shaft);
}

QPainterPath DrawingArrowItem::shape() const
{
    return clippedShape(path_);
}

void DrawingArrowItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->save();
    setFigureHints(painter);
    painter->setPen(outlinePen(static_cast<Qt::PenStyle>(penStyle())));
    painter->setBrush(QBrush(lineColor(), Qt::SolidPattern));
    clipToScene(painter);
    painter->drawLine(startPoint_, endPoint_);
    // The head stays solid and filled on a dashed or dotted arrow.
    painter->setPen(outlinePen(Qt::SolidLine));
    painter->drawPolygon(head_, Qt::OddEvenFill);
    painter->restore();
}
