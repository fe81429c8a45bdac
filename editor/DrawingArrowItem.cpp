#include "editor/DrawingArrowItem.h"

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
    : DrawingSegmentItem(parent, sceneRect)
{ }

QRectF DrawingArrowItem::repaintArea() const
{
    return boundingRect().adjusted(-kRepaintMargin, -kRepaintMargin, kRepaintMargin,
                                   kRepaintMargin);
}

void DrawingArrowItem::endPointMoved()
{
    const QPointF end = endPoint();
    const QVector2D shaft(end - startPoint());
    direction_ = shaft.normalized();
    normal_ = QVector2D(-direction_.y(), direction_.x());
    head_.clear();
    head_ << end << end - kHeadSize * (normal_ + direction_)
          << end - kHeadSize * (direction_ - normal_) << end;
    setRect(rect().united(head_.boundingRect().adjusted(-2, -2, 2, 2)));
}

void DrawingArrowItem::addOutline(QPainterPath &path) const
{
    const QPointF end = endPoint();
    QPolygonF tip;
    tip << end + direction_.toPointF() << end - kHitHeadSize * (direction_ + normal_)
        << end - kHitHeadSize * (direction_ - normal_) << end + direction_.toPointF();

    // A thin band along the shaft, offset sideways by about one pixel.
    const QVector2D u = -direction_;
    QPointF offset(u.x(), -u.y());
    if (within(u.x(), -1.1f, -0.9f) || within(u.x(), -0.1f, 0.01f))
        offset = QPointF(1, -1);
    else if (within(u.x(), 0.0f, 0.1f) || within(u.x(), 0.9f, 1.1f))
        offset = QPointF(1, 1);
    QPolygonF shaft;
    shaft << end - offset << end + offset << startPoint() + offset << startPoint() - offset
          << end - offset;
    path.addPolygon(tip.united(shaft));
}

void DrawingArrowItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->save();
    setFigureHints(painter);
    painter->setPen(outlinePen(static_cast<Qt::PenStyle>(penStyle())));
    painter->setBrush(QBrush(lineColor(), Qt::SolidPattern));
    clipToScene(painter);
    painter->drawLine(startPoint(), endPoint());
    // The head stays solid and filled on a dashed or dotted arrow.
    painter->setPen(outlinePen(Qt::SolidLine));
    painter->drawPolygon(head_, Qt::OddEvenFill);
    painter->restore();
}
