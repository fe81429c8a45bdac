#include "editor/DrawingFigureItem.h"

#include "editor/DrawingGeometry.h"

#include <QPainter>

DrawingFigureItem::DrawingFigureItem(QObject *parent, const QRectF &sceneRect, Span span)
    : DrawingItem(parent, sceneRect), span_(span)
{ }

QRectF DrawingFigureItem::mousePress(const QPoint &point)
{
    startPoint_ = endPoint_ = point;
    setRect(QRectF(startPoint_, endPoint_).normalized());
    return repaintArea();
}

QRectF DrawingFigureItem::mouseMove(const QPoint &, const QPoint &point, bool shift)
{
    moveEnd(point, shift);
    return repaintArea();
}

QRectF DrawingFigureItem::mouseRelease(const QPoint &, const QPoint &point, bool shift)
{
    prepareGeometryChange();
    moveEnd(point, shift);
    path_ = QPainterPath();
    addOutline(path_);
    return repaintArea();
}

void DrawingFigureItem::finish(bool) { }

void DrawingFigureItem::moveEnd(const QPoint &point, bool shift)
{
    if (span_ == Span::Box) {
        endPoint_ = point;
        setRect(DrawingGeometry::dragRect(startPoint_, point, shift));
    } else {
        endPoint_ = shift ? DrawingGeometry::snap45(startPoint_, point) : QPointF(point);
        setRect(QRectF(startPoint_, endPoint_).normalized());
    }
    endPointMoved();
}

QPainterPath DrawingFigureItem::shape() const
{
    return clippedShape(path_);
}

void DrawingFigureItem::preparePainter(QPainter *painter, bool antialiased) const
{
    if (antialiased)
        setFigureHints(painter);
    painter->setPen(outlinePen(static_cast<Qt::PenStyle>(penStyle())));
    painter->setBrush(QBrush(fillColor(), Qt::SolidPattern));
    clipToScene(painter);
}
