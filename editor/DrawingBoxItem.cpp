#include "editor/DrawingBoxItem.h"

#include "editor/DrawingGeometry.h"

#include <QPainter>

DrawingBoxItem::DrawingBoxItem(QObject *parent, const QRectF &sceneRect)
    : DrawingItem(parent, sceneRect)
{ }

QRectF DrawingBoxItem::mousePress(const QPoint &point)
{
    startPoint_ = endPoint_ = point;
    setRect(QRectF(startPoint_, endPoint_).normalized());
    return boundingRect();
}

QRectF DrawingBoxItem::mouseMove(const QPoint &, const QPoint &point, bool shift)
{
    endPoint_ = point;
    setRect(DrawingGeometry::dragRect(startPoint_, point, shift));
    return boundingRect();
}

QRectF DrawingBoxItem::mouseRelease(const QPoint &, const QPoint &point, bool shift)
{
    prepareGeometryChange();
    endPoint_ = point;
    setRect(DrawingGeometry::dragRect(startPoint_, point, shift));
    path_ = QPainterPath();
    addOutline(path_, rect());
    return boundingRect();
}

void DrawingBoxItem::finish(bool) { }

QPainterPath DrawingBoxItem::shape() const
{
    return clippedShape(path_);
}

void DrawingBoxItem::preparePainter(QPainter *painter, bool antialiased) const
{
    if (antialiased) {
        setFigureHints(painter);
    }
    painter->setPen(outlinePen(static_cast<Qt::PenStyle>(penStyle())));
    painter->setBrush(QBrush(fillColor(), Qt::SolidPattern));
    clipToScene(painter);
}
