#pragma once

#include "editor/DrawingInterface.h"
#include "editor/DrawingItem.h"

// The drag geometry shared by the rectangle, the ellipse and the speech balloon: the
// normalised rectangle of the drag, or a square with Shift. The subclasses decide the
// outline that the eraser hits and what is painted.
class DrawingBoxItem : public DrawingItem, public DrawingInterface
{
    Q_OBJECT
    Q_DISABLE_COPY(DrawingBoxItem)

public:
    DrawingBoxItem(QObject *parent, const QRectF &sceneRect);

    QRectF mousePress(const QPoint &point) override;
    QRectF mouseMove(const QPoint &lastPoint, const QPoint &point, bool shift) override;
    QRectF mouseRelease(const QPoint &lastPoint, const QPoint &point, bool shift) override;
    void finish(bool succeed) override;

    QPainterPath shape() const override;

    QPointF startPoint() const { return startPoint_; }
    QPointF endPoint() const { return endPoint_; }

protected:
    // Adds the outline of `rect` to the item's hit path at release.
    virtual void addOutline(QPainterPath &path, const QRectF &rect) const = 0;
    // Sets the antialiasing hints, the outline pen, the fill brush and the clip.
    void preparePainter(QPainter *painter, bool antialiased) const;

private:
    QPointF startPoint_;
    QPointF endPoint_;
    QPainterPath path_;
};
