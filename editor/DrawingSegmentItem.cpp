#include "editor/DrawingSegmentItem.h"

#include "editor/DrawingGeometry.h"

DrawingSegmentItem::DrawingSegmentItem(QObject *parent, const QRectF &sceneRect)
    : DrawingItem(parent, sceneRect)
{ }

QRectF DrawingSegmentItem::mousePress(const QPoint &point)
{
    startPoint_ = endPoint_ = point;
    setRect(QRectF(startPoint_, endPoint_).normalized());
    return rect();
}

QRectF DrawingSegmentItem::mouseMove(const QPoint &, const QPoint &point, bool shift)
{
    moveEnd(point, shift);
    return repaintArea();
}

QRectF DrawingSegmentItem::mouseRelease(const QPoint &, const QPoint &point, bool shift)
{
    prepareGeometryChange();
    moveEnd(point, shift);
    addOutline(path_);
    return repaintArea();
}

void DrawingSegmentItem::finish(bool) { }

void DrawingSegmentItem::moveEnd(const QPoint &point, bool shift)
{
    endPoint_ = shift ? DrawingGeometry::snap45(startPoint_, point) : QPointF(point);
    setRect(QRectF(startPoint_, endPoint_).normalized());
    endPointMoved();
}

QPainterPath DrawingSegmentItem::shape() const
{
    return clippedShape(path_);
}
