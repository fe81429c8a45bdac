#include "editor/DrawingRectItem.h"

#include <QPainter>

DrawingRectItem::DrawingRectItem(QObject *parent, const QRectF &sceneRect)
    : DrawingFigureItem(parent, sceneRect, Span::Box)
{ }

void DrawingRectItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->save();
    preparePainter(painter, true);
    painter->drawRect(rect());
    painter->restore();
}

void DrawingRectItem::addOutline(QPainterPath &path) const
{
    path.addRect(rect());
}
