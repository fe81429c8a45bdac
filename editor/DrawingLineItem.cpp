#include "editor/DrawingLineItem.h"

#include "editor/DrawingGeometry.h"

#include <QPainter>

DrawingLineItem::DrawingLineItem(QObject *parent, const QRectF &sceneRect)
    : DrawingSegmentItem(parent, sceneRect)
{ }

void DrawingLineItem::addOutline(QPainterPath &path) const
{
    path.moveTo(startPoint());
    path.lineTo(endPoint());
}

QPainterPath DrawingLineItem::shape() const
{
    // The path is one line, and the line clipped to the image is what remains of it.
    if (outline().isEmpty())
        return QPainterPath();
    return DrawingGeometry::clipLine(startPoint(), endPoint(), sceneRect());
}

void DrawingLineItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->save();
    setFigureHints(painter);
    painter->setPen(outlinePen(static_cast<Qt::PenStyle>(penStyle())));
    painter->setBrush(Qt::transparent);
    clipToScene(painter);
    painter->drawLine(startPoint(), endPoint());
    painter->restore();
}
