#include "editor/DrawingCircleItem.h"

#include <QPainter>

DrawingCircleItem::DrawingCircleItem(QObject *parent, const QRectF &sceneRect)
    : DrawingFigureItem(parent, sceneRect, Span::Box)
{ }

qreal DrawingCircleItem::paintMargin() const
{
    return penStyle() == Qt::SolidLine ? DrawingFigureItem::paintMargin() : acuteCornerMargin();
}

void DrawingCircleItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->save();
    preparePainter(painter, true);
    painter->drawEllipse(rect());
    painter->restore();
}

void DrawingCircleItem::addOutline(QPainterPath &path) const
{
    path.addEllipse(rect());
}
