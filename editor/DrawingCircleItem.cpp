#include "editor/DrawingCircleItem.h"

#include <QPainter>

DrawingCircleItem::DrawingCircleItem(QObject *parent, const QRectF &sceneRect)
    : DrawingBoxItem(parent, sceneRect)
{ }

qreal DrawingCircleItem::paintMargin() const
{
    return penStyle() == Qt::SolidLine ? DrawingBoxItem::paintMargin() : acuteCornerMargin();
}

void DrawingCircleItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->save();
    preparePainter(painter, true);
    painter->drawEllipse(rect());
    painter->restore();
}

void DrawingCircleItem::addOutline(QPainterPath &path, const QRectF &rect) const
{
    path.addEllipse(rect);
}
