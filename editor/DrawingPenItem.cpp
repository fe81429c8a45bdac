#include "editor/DrawingPenItem.h"

#include <QPainter>
#include <cmath>

namespace {
bool isPoint(const QLineF &line)
{
    return std::abs(line.x1() - line.x2()) <= 1e-12 && std::abs(line.y1() - line.y2()) <= 1e-12;
}
} // namespace

DrawingPenItem::DrawingPenItem(QObject *parent, const QRectF &sceneRect)
    : DrawingItem(parent, sceneRect)
{
    // Overlapping segment rectangles must add up to their union, not cancel out.
    shapePath_.setFillRule(Qt::WindingFill);
}

QRectF DrawingPenItem::mousePress(const QPoint &point)
{
    addSegment(point, point);
    setRect(QRectF(point, point).normalized());
    return boundingRect();
}

QRectF DrawingPenItem::mouseMove(const QPoint &lastPoint, const QPoint &point, bool)
{
    addSegment(lastPoint, point);
    setRect(rect().united(QRectF(lastPoint, point).normalized()));
    return boundingRect();
}

QRectF DrawingPenItem::mouseRelease(const QPoint &lastPoint, const QPoint &point, bool shift)
{
    prepareGeometryChange();
    return mouseMove(lastPoint, point, shift);
}

void DrawingPenItem::finish(bool) { }

void DrawingPenItem::addSegment(const QPointF &from, const QPointF &to)
{
    lines_.append(QLineF(from, to));
    shapePath_.addRect(QRect(from.toPoint(), to.toPoint()).normalized());
}

QPainterPath DrawingPenItem::shape() const
{
    return shapePath_;
}

void DrawingPenItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->save();
    painter->setRenderHints(QPainter::Antialiasing);
    painter->setPen(outlinePen(Qt::SolidLine));
    painter->setBrush(Qt::transparent);
    clipToScene(painter);
    for (const QLineF &line : lines_) {
        if (isPoint(line)) {
            const QPointF point = line.p1();
            painter->drawPoints(&point, 1);
        } else {
            painter->drawLine(line);
        }
    }
    painter->restore();
}
