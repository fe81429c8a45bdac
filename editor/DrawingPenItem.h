#pragma once

#include "editor/DrawingInterface.h"
#include "editor/DrawingItem.h"

#include <QLineF>
#include <QVector>

// A freehand stroke: one straight segment per mouse event, never smoothed or thinned.
// Always painted solid, whatever pen style it was given.
class DrawingPenItem : public DrawingItem, public DrawingInterface
{
    Q_OBJECT
    Q_DISABLE_COPY(DrawingPenItem)

public:
    DrawingPenItem(QObject *parent, const QRectF &sceneRect);

    QRectF mousePress(const QPoint &point) override;
    QRectF mouseMove(const QPoint &lastPoint, const QPoint &point, bool shift) override;
    QRectF mouseRelease(const QPoint &lastPoint, const QPoint &point, bool shift) override;
    void finish(bool succeed) override;

    // The union of the segments' integer bounding rectangles; neither limited to the image
    // nor widened by the line width.
    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget = nullptr) override;

    const QVector<QLineF> &lines() const { return lines_; }

private:
    void addSegment(const QPointF &from, const QPointF &to);

    QVector<QLineF> lines_;
    // Grown with every segment, so a hit test does not rebuild it from a long stroke.
    QPainterPath shapePath_;
};
