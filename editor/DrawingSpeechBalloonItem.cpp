#include "editor/DrawingSpeechBalloonItem.h"

#include <QPainter>

DrawingSpeechBalloonItem::DrawingSpeechBalloonItem(QObject *parent, const QRectF &sceneRect)
    : DrawingFigureItem(parent, sceneRect, Span::Box)
{ }

QPolygonF DrawingSpeechBalloonItem::balloonPolygon(const QRectF &r)
{
    const qreal tailLeft = r.left() + 0.25 * r.width();
    const qreal tailRight = r.left() + 0.5 * r.width();
    const qreal bodyBottom = r.top() + r.height() * 4 / 5;
    QPolygonF polygon;
    polygon << r.topLeft() << QPointF(r.left(), bodyBottom) << QPointF(tailLeft, bodyBottom)
            << QPointF(tailLeft, r.bottom()) << QPointF(tailRight, bodyBottom)
            << QPointF(r.right(), bodyBottom) << r.topRight() << r.topLeft();
    return polygon;
}

void DrawingSpeechBalloonItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->save();
    preparePainter(painter, false);
    painter->drawPolygon(balloonPolygon(rect()), Qt::OddEvenFill);
    painter->restore();
}

void DrawingSpeechBalloonItem::addOutline(QPainterPath &path) const
{
    // The whole dragged rectangle is hit, tail corners included.
    path.addRect(rect());
}
