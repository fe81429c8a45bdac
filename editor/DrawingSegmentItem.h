#pragma once

#include "editor/DrawingInterface.h"
#include "editor/DrawingItem.h"

// The drag geometry shared by the line and the arrow: a segment from the press point to the
// pointer, snapped to the nearest multiple of 45 degrees with Shift. The subclasses decide
// what follows the end point, the outline the eraser hits and what is painted.
class DrawingSegmentItem : public DrawingItem, public DrawingInterface
{
    Q_OBJECT
    Q_DISABLE_COPY(DrawingSegmentItem)

public:
    DrawingSegmentItem(QObject *parent, const QRectF &sceneRect);

    QRectF mousePress(const QPoint &point) override;
    QRectF mouseMove(const QPoint &lastPoint, const QPoint &point, bool shift) override;
    QRectF mouseRelease(const QPoint &lastPoint, const QPoint &point, bool shift) override;
    void finish(bool succeed) override;

    QPainterPath shape() const override;

    QPointF startPoint() const { return startPoint_; }
    QPointF endPoint() const { return endPoint_; }

protected:
    // Called after every move of the end point; rect is the segment's rectangle by then.
    virtual void endPointMoved() { }
    // Adds the outline the eraser hits to the item's hit path at release.
    virtual void addOutline(QPainterPath &path) const = 0;
    // The area a move or the release asks to repaint.
    virtual QRectF repaintArea() const { return boundingRect(); }
    const QPainterPath &outline() const { return path_; }

private:
    void moveEnd(const QPoint &point, bool shift);

    QPointF startPoint_;
    QPointF endPoint_;
    QPainterPath path_;
};
