#include "editor/DrawingLineItem.h"

#include "editor/DrawingGeometry.h"

#include <QPainter>

DrawingLineItem::DrawingLineItem(QObject *parent, const QRectF &sceneRect)
    : DrawingItem(parent, sceneRect)
{ }

QRectF DrawingLineItem::mousePress(const QPoint &point)
{
    startPoint_ = endPoint_ = point;
    setRect(QRectF(startPoint_, endPoint_).normalized());
    return rect();
}

QRectF DrawingLineItem::mouseMove(const QPoint &, const QPoint &point, bool shift)
{
    moveEnd(point, shift);
    return boundingRect();
}

QRectF DrawingLineItem::mouseRelease(const QPoint &, const QPoint &point, bool shift)
{
    prepareGeometryChange();
    moveEnd(point, shift);
    path_.moveTo(startPoint_);
    path_.lineTo(endPoint_);
    return boundingRect();
}

void DrawingLineItem::finish(bool) { }

void DrawingLineItem::moveEnd(const QPoint &point, bool shift)
{
    endPoint_ = shift ? DrawingGeometry::snap45(startPoint_, point) : QPointF(point);
    setRect(QRectF(startPoint_, endPoint_).normalized());
}

QPainterPath DrawingLineItem::shape() const
{
    // The path is one line, and the line clipped to the image is what remains of it.
    if (path_.isEmpty())
        return QPainterPath();
    return DrawingGeometry::clipLine(startPoint_, endPoint_, sceneRect());
}

void DrawingLineItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->save();
    setFigureHints(painter);
    painter->setPen(outlinePen(static_cast<Qt::PenStyle>(penStyle())));
    painter->setBrush(Qt::transparent);
    clipToScene(painter);
    painter->drawLine(startPoint_, endPoint_);
    painter->restore();
}
